#include "tools/tabhost_wizard/tabhost_wizard.h"

#include <algorithm>
#include <span>

#include "platform/services.h"
#include "tools/count_text.h"
#include "tools/icon_file.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/tabhost_wizard/project_writer.h"

namespace nakkas {

namespace {

int indexOf(std::span<const std::string_view> items, std::string_view text) {
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : int(it - items.begin());
}

}  // namespace

std::string_view tabHostHelpText(TabHostWizard::Help topic) {
    switch (topic) {
        case TabHostWizard::Help::ApplicationId:
            return "Uygulamanın sistemde geçecek olan adını temsil eder, kesinlikle boşluk ve "
                   "türkçe karakterler kullanılmamalıdır";
        case TabHostWizard::Help::WindowTitle:
            return "Uygulamanın başlığı ve görünen adını temsil eder,  türkçe karakterler "
                   "kullanılmamalıdır";
        case TabHostWizard::Help::Package:
            return "Eclipse de oluşturduğunuz uygulamanın paket adını com. ile başlayan formatta "
                   "buraya yazmalısınız.";
        case TabHostWizard::Help::Versions:
            return "Detaylı Versiyon Yardımı:\r\n\r\nVersiyon: Uygulamanan gerçekte hangi API "
                   "versiyonuna derleneceği anlamındadır\r\nMin Versiyon: Uygulamanın çalışması "
                   "için gereken en düşük API seviyesini belirler\r\n\r\nAPI'ler ve "
                   "Özellikleri:\r\n"
                   "Api 8   - Froyo 2.2 (Cep telefonları için, Min Versiyon için en ideali)\r\n"
                   "Api 9   - Gingerberd 2.3 (Cep Telefonları için Uygun)\r\n"
                   "Api 10 - Gingerberd 2.3.3 (Cep Telefonları için en uygunu)\r\n"
                   "Api 11 - Honeycomb 3.0 (Tablet PC'ler için Min versiyon olarak uygun)\r\n"
                   "Api 12 - Honeycomb 3.1 (Tablet PC'ler için Uygun Sürüm)\r\n"
                   "Api 13 - Honeycomb 3.2 (Tablet PC'ler için en yaygın ve Güncel sürüm)\r\n"
                   "Api 14 - Ice Cream Sandwich 4.0 (Yeni android sürümü)\r\n"
                   "Api 15 - Ice Cream Sandwich 4.0.3 (En yeni sürüm)";
    }
    return {};
}

TabHostWizard::TabHostWizard(Services& services, TabHostProject& project, MenuRecords& menu,
                             TabHostStart start)
    : m_services(services), m_project(project), m_menu(menu), m_start(std::move(start)) {
    // Each opening starts from the form's starting values; only the tab records carry over, and
    // "Listele" resets those before they can be used.
    auto tabs = std::move(m_project.tabs);
    m_project = TabHostProject{};
    m_project.tabs = std::move(tabs);
    m_project.packageName = m_start.packageName;
    m_project.mainActivity = m_start.activityName;
    m_project.appIcon = m_start.iconName;
}

bool TabHostWizard::enabled(Control control) const {
    switch (control) {
        case Control::TabCount:
            return !m_listed;
        case Control::TabFields:
        case Control::IconPicker:
            return m_selected.has_value();
        case Control::OnCreate:
            return false;
        case Control::FolderButton:
            return m_listed && m_folderButton;
        case Control::NewMenuDesign:
            return m_listed && m_project.menuFlag;
        case Control::Project:
        case Control::Lifecycle:
        case Control::FolderOption:
        case Control::OpenWhenDone:
        case Control::MenuFlag:
        case Control::Create:
            return m_listed;
    }
    return false;
}

Outcome TabHostWizard::list() {
    if (m_listed) return Outcome::refused({});  // the count is fixed for this opening
    const auto count = countFromText(tabCountText, kMaxTabs);
    if (!count) {
        return showRefusal(m_services, "Girilecek sayı 1 ile 6 arasında olmalıdır");
    }
    m_project.tabCount = *count;
    for (int k = 1; k <= kMaxTabs; ++k) {
        TabRecord& tab = m_project.tabs[size_t(k - 1)];
        tab = TabRecord{};
        tab.activityName = "Tab" + std::to_string(k) + "Activity";
        tab.title = "Tab Başlığı " + std::to_string(k);
        tab.iconName = m_start.iconName;
    }
    m_project.orientation = 0;
    m_project.lifecycle = {};
    m_listed = true;
    m_folderButton = true;
    return Outcome::done();
}

std::vector<std::string> TabHostWizard::tabLines() const {
    std::vector<std::string> lines;
    if (!m_listed) return lines;
    for (int k = 1; k <= m_project.tabCount; ++k) lines.push_back("Tab" + std::to_string(k));
    return lines;
}

void TabHostWizard::chooseTab(int index) {
    if (!m_listed || index < 0 || index >= m_project.tabCount) return;
    m_selected = index;
}

std::string TabHostWizard::tabIdText() const {
    return m_selected ? "Tab" + std::to_string(*m_selected + 1) : std::string(kNoChoice);
}

std::string TabHostWizard::serialText() const {
    return m_selected ? std::to_string(*m_selected) : std::string(kNoChoice);
}

const TabRecord* TabHostWizard::selectedRecord() const {
    return m_selected ? &m_project.tabs[size_t(*m_selected)] : nullptr;
}

int TabHostWizard::layoutStyleIndex() const {
    const TabRecord* tab = selectedRecord();
    return tab ? indexOf(kLayoutStyles, tab->layoutStyle) : -1;
}

TabRecord* TabHostWizard::selected() {
    return m_selected ? &m_project.tabs[size_t(*m_selected)] : nullptr;
}

void TabHostWizard::setActivityName(std::string text) {
    if (TabRecord* tab = selected()) tab->activityName = std::move(text);
}

void TabHostWizard::setTitle(std::string text) {
    if (TabRecord* tab = selected()) tab->title = std::move(text);
}

void TabHostWizard::setIconName(std::string text) {
    if (TabRecord* tab = selected()) tab->iconName = std::move(text);
}

void TabHostWizard::chooseLayout(int index) {
    if (index < 0 || index >= int(kLayoutStyles.size())) return;
    if (TabRecord* tab = selected()) tab->layoutStyle = std::string(kLayoutStyles[size_t(index)]);
}

void TabHostWizard::setScroll(bool on) {
    if (TabRecord* tab = selected()) tab->scroll = on;
}

void TabHostWizard::setIconFile(const std::string& path) {
    TabRecord* tab = selected();
    if (!tab) return;
    tab->iconSourcePath = path;
    tab->iconName = iconNameFromPath(path);
}

Outcome TabHostWizard::pickIcon() {
    if (!enabled(Control::IconPicker)) return Outcome::refused({});
    const auto file = m_services.openFileDialog("Tab Host için Simge Dosyası Seçin",
                                                std::string(kIconFileFilter));
    if (!file) return Outcome::cancelled();
    setIconFile(file->path);
    return Outcome::done();
}

void TabHostWizard::chooseOrientation(int index) {
    if (index >= 0 && index < int(kOrientations.size())) m_project.orientation = index;
}

void TabHostWizard::setFullScreen(bool on) {
    m_project.fullScreen = on;
}
void TabHostWizard::setMenuFlag(bool on) {
    m_project.menuFlag = on;
}

void TabHostWizard::chooseStartTab(int index) {
    if (index >= 0 && index < m_project.tabCount) m_project.startTab = index;
}

void TabHostWizard::setLifecycle(Lifecycle method, bool on) {
    m_project.lifecycle[size_t(method)] = on;
}

void TabHostWizard::chooseTargetVersion(int index) {
    if (index >= 0 && index < int(kVersions.size()))
        m_project.targetVersion = std::string(kVersions[size_t(index)]);
}

void TabHostWizard::chooseMinVersion(int index) {
    if (index >= 0 && index < int(kVersions.size()))
        m_project.minVersion = std::string(kVersions[size_t(index)]);
}

int TabHostWizard::targetVersionIndex() const {
    return indexOf(kVersions, m_project.targetVersion);
}
int TabHostWizard::minVersionIndex() const {
    return indexOf(kVersions, m_project.minVersion);
}

Outcome TabHostWizard::pickFolder() {
    if (!enabled(Control::FolderButton)) return Outcome::refused({});
    const auto folder = m_services.folderDialog(std::string(kFolderPromptTitle) + "\r\n" +
                                                std::string(kFolderWarning));
    if (!folder) return Outcome::cancelled();
    m_project.outputFolder = *folder;
    return Outcome::done();
}

void TabHostWizard::newMenuDesign() {
    resetMenuItems(m_menu, m_start.iconName);
    for (MenuItemRecord& item : m_menu.items) item.iconSourcePath.clear();
}

Outcome TabHostWizard::designMenu(const std::function<bool(MenuDesigner&)>& show) {
    if (!enabled(Control::NewMenuDesign)) return Outcome::refused({});
    newMenuDesign();
    MenuDesigner designer(m_services, m_menu, MenuDesignMode::TabActi);
    return designer.finish(show(designer));
}

void TabHostWizard::help(Help topic) {
    m_services.messageBox(std::string(tabHostHelpText(topic)),
                          topic == Help::Versions ? "Versiyon Yardımı" : "Yardım",
                          MessageIcon::Information, MessageButtons::Ok);
}

void TabHostWizard::openHelpVideo() {
    m_services.openDesktop(std::string(kVideoAddress));
}

Outcome TabHostWizard::create(ReplacePolicy policy) {
    if (!enabled(Control::Create)) return Outcome::refused({});
    return writeTabHostProject(m_services, m_project, m_menu, policy, m_start.language);
}

}  // namespace nakkas
