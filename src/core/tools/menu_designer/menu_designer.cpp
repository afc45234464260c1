#include "tools/menu_designer/menu_designer.h"

#include "platform/services.h"
#include "tools/count_text.h"
#include "tools/icon_file.h"

namespace nakkas {

MenuDesigner::MenuDesigner(Services& services, MenuRecords& records, MenuDesignMode mode)
    : m_services(services), m_records(records), m_mode(mode) {}

bool MenuDesigner::iconEnabled() const {
    return m_state == State::Editing && m_mode != MenuDesignMode::Normal;
}

std::string_view MenuDesigner::okCaption() const {
    return m_mode == MenuDesignMode::Normal ? "Oluştur" : "Kaydet";
}

MenuItemRecord* MenuDesigner::currentRecord() {
    if (!m_current) return nullptr;
    return &m_records.items[std::size_t(*m_current)];
}

const MenuItemRecord* MenuDesigner::currentRecord() const {
    if (!m_current) return nullptr;
    return &m_records.items[std::size_t(*m_current)];
}

std::string MenuDesigner::menuIdText() const {
    const MenuItemRecord* r = currentRecord();
    return r ? r->menuId : std::string();
}

std::string MenuDesigner::titleText() const {
    const MenuItemRecord* r = currentRecord();
    return r ? r->title : std::string();
}

std::string MenuDesigner::iconNameText() const {
    const MenuItemRecord* r = currentRecord();
    return r ? r->iconName : std::string();
}

Outcome MenuDesigner::list() {
    if (m_state != State::Counting) return Outcome::refused({});
    const auto count = countFromText(countText, MenuRecords::kMaxItems);
    if (!count) return showRefusal(m_services, std::string(kCountMessage));
    const int n = *count;
    m_entries.clear();
    for (int i = 1; i <= n; ++i) m_entries.push_back("Menu Madde" + std::to_string(i));
    m_records.count = n;
    m_state = State::Listed;
    return Outcome::done();
}

void MenuDesigner::choose(int entry) {
    if (!okEnabled() || entry < 0 || std::size_t(entry) >= m_entries.size()) return;
    m_current = entry;
    m_state = State::Editing;
}

void MenuDesigner::editTitle(const std::string& text) {
    MenuItemRecord* r = currentRecord();
    if (r && titleEnabled()) r->title = text;
}

void MenuDesigner::editIconName(const std::string& text) {
    MenuItemRecord* r = currentRecord();
    if (r && iconEnabled()) r->iconName = text;
}

Outcome MenuDesigner::pickIcon() {
    if (!currentRecord() || !iconEnabled()) return Outcome::refused({});
    const auto file =
        m_services.openFileDialog(std::string(kIconDialogTitle), std::string(kIconFileFilter));
    if (!file) return Outcome::cancelled();
    setIconFile(file->path);
    return Outcome::done();
}

void MenuDesigner::setIconFile(const std::string& path) {
    MenuItemRecord* r = currentRecord();
    if (!r || !iconEnabled()) return;
    r->iconSourcePath = path;
    r->iconName = iconNameFromPath(path);
}

Outcome MenuDesigner::confirm() {
    if (!okEnabled()) return Outcome::refused({});
    m_state = State::Closed;
    m_confirmed = true;
    return Outcome::done();
}

void MenuDesigner::cancel() {
    // A cancel after a confirm (a host closing an already accepted dialog) must not throw the
    // saved design away.
    if (m_confirmed) return;
    m_records.count = 0;
    m_state = State::Closed;
}

Outcome MenuDesigner::finish(bool closedWithOk) {
    if (closedWithOk && m_confirmed) return Outcome::done();
    cancel();
    return Outcome::cancelled();
}

}  // namespace nakkas
