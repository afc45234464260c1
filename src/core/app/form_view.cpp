#include "app/form_view.h"

#include <array>

#include "app/ribbon.h"
#include "definer/object_generator.h"
#include "definer/widget_catalogue.h"
#include "platform/services.h"
#include "snippets/snippet_catalogue.h"
#include "tools/list_wizard/list_creator.h"

namespace nakkas {

namespace {

using Handler = void (*)(FormView&, int);

// Commands whose tools come later do nothing yet.
constexpr std::array<Handler, kCommandKindCount> kHandlers{
    [](FormView&, int) {},                                  // None
    [](FormView& v, int arg) { v.chooseEntry(arg); },       // ChooseEntry
    [](FormView& v, int) { v.generate(); },                 // Generate
    [](FormView& v, int) { v.programSettings(); },          // ProgramSettings
    [](FormView& v, int) { v.about(); },                    // About
    [](FormView& v, int arg) { v.snippet(arg); },           // Snippet
    [](FormView&, int) {},                                  // MenuDesigner
    [](FormView&, int) {},                                  // SettingSaver
    [](FormView&, int) {},                                  // SqliteTool
    [](FormView&, int) {},                                  // DialogDesigner
    [](FormView& v, int arg) { v.help(arg); },              // Help
    [](FormView& v, int) { v.reset(); },                    // Reset
    [](FormView& v, int) { v.exit(); },                     // Exit
};

}  // namespace

FormView::FormView(Services& services, DialogHost& host, Defaults& defaults, PanelText& panelText)
    : m_services(services),
      m_host(host),
      m_defaults(defaults),
      m_definer(defaults.ActivityAdi),
      m_panel(panelText) {
    m_panel.replace(defaults.startWithEmptyPanel() ? std::string() : std::string(bannerText()));
}

void FormView::run(const Command& command) {
    const auto kind = static_cast<size_t>(command.kind);
    if (kind < kHandlers.size()) kHandlers[kind](*this, command.arg);
}

void FormView::chooseEntry(int entry) {
    const auto catalogue = widgetCatalogue();
    if (entry < 0 || size_t(entry) >= catalogue.size()) return;
    m_definer.choose(size_t(entry));
    if (generatesAtOnce(catalogue[size_t(entry)].typeKey)) generate();
}

void FormView::generate() {
    const std::string type = m_definer.currentType();
    const auto entry = findEntryByTypeKey(type);
    if (type == kNoSelection || !entry) {
        m_services.messageBox("Oluşturulacak hiçbir layout nesnesi seçilmemiş", "Hata",
                              MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    if (type == "tabHost") {
        m_handover = {m_definer.activityName, m_definer.variableName, m_definer.idName};
        m_host.runTabHostWizard(m_handover);
        if (m_definer.advance) m_definer.advanceCounter(*entry);
        return;
    }
    if (needsListItems(type)) {
        ListCreator creator(m_services);
        if (!m_host.runListCreator(creator)) return;
        m_listItemText = creator.listItemText();
    }
    GeneratorInput input;
    input.access = m_definer.accessModifier();
    input.variableName = m_definer.variableName;
    input.idName = m_definer.idName;
    input.writeDeclaration = m_definer.writeDeclaration;
    input.writeListener = m_definer.writeListener;
    input.listItemText = m_listItemText;
    m_panel.replace(generateObjectText(type, input));
    if (m_definer.advance) m_definer.advanceCounter(*entry);
}

void FormView::programSettings() {
    ProgramSettings settings(m_defaults, m_services);
    if (m_host.runProgramSettings(settings) == ProgramSettings::Outcome::Restart) restart();
}

void FormView::about() { m_host.showAbout(); }

void FormView::snippet(int index) {
    const auto snippets = snippetCatalogue();
    if (index < 0 || size_t(index) >= snippets.size()) return;
    m_panel.replace(std::string(snippets[size_t(index)].text));
}

void FormView::help(int page) {
    const auto& pages = helpPages();
    if (page < 0 || size_t(page) >= pages.size()) return;
    std::string path = m_helpFolder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += pages[size_t(page)].fileName;
    m_services.openDesktop(path);
}

void FormView::reset() {
    m_definer.reset();
    m_panel.replace(std::string(bannerText()));
    m_services.messageBox("Herşey sıfırlandı...", "Sıfırlandı", MessageIcon::Information,
                          MessageButtons::Ok);
    restart();
}

void FormView::exit() {
    if (m_services.messageBox("Programdan çıkmak istediğinize emin misiniz?", "Kapansın mı?",
                              MessageIcon::Question,
                              MessageButtons::YesNo) == MessageAnswer::Yes)
        m_host.closeMainWindow();
}

void FormView::copyAll() { m_services.setClipboardText(m_panel.text()); }

void FormView::restart() {
    if (m_services.startNewInstance()) {
        m_host.closeMainWindow();
        return;
    }
    // Closing anyway would throw away the code panel and the slots for nothing.
    m_services.messageBox(
        "Program yeniden başlatılamadı. Değişiklikler bir sonraki açılışta geçerli olacak; "
        "programı kendiniz kapatıp yeniden açabilirsiniz.",
        "Hata", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace nakkas
