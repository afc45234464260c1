#include "app/form_view.h"

#include "app/ribbon.h"
#include "definer/object_generator.h"
#include "definer/widget_catalogue.h"
#include "platform/services.h"
#include "snippets/snippet_catalogue.h"
#include "text/no_choice.h"
#include "tools/dialog_designer/dialog_designer.h"
#include "tools/layout_to_code/layout_to_code.h"
#include "tools/list_wizard/list_creator.h"
#include "tools/menu_designer/menu_code.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/setting_saver/setting_saver.h"
#include "tools/sqlite_tool/database_helper.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {

FormView::FormView(Services& services, DialogHost& host, Defaults& defaults, PanelText& panelText)
    : m_services(services),
      m_host(host),
      m_defaults(defaults),
      m_definer(defaults.ActivityAdi),
      m_panel(panelText),
      m_language(services) {
    m_tools.sqlite.version = defaults.VTVersiyon;
    m_panel.replace(defaults.startWithEmptyPanel() ? std::string() : std::string(bannerText()));
}

void FormView::run(const Command& command) {
    // No default: a new command kind without a handler is a compile-time warning.
    switch (command.kind) {
        case CommandKind::None:
            return;
        case CommandKind::ChooseEntry:
            return chooseEntry(command.arg);
        case CommandKind::Generate:
            return generate();
        case CommandKind::ProgramSettings:
            return programSettings();
        case CommandKind::About:
            return about();
        case CommandKind::Snippet:
            return snippet(command.arg);
        case CommandKind::MenuDesigner:
            return menuDesigner();
        case CommandKind::SettingSaver:
            return settingSaver();
        case CommandKind::SqliteTool:
            return sqliteTool();
        case CommandKind::DialogDesigner:
            return dialogDesigner(command.arg);
        case CommandKind::LayoutToCode:
            return layoutToCode();
        case CommandKind::Help:
            return help(command.arg);
        case CommandKind::Reset:
            return reset();
        case CommandKind::Exit:
            return exit();
        case CommandKind::OutputLanguage:
            if (command.arg >= 0 && command.arg < int(std::size(kLanguages)))
                chooseLanguage(kLanguages[command.arg]);
            return;
    }
}

Outcome FormView::chooseLanguage(Language language) {
    if (!m_language.choose(language)) return Outcome::done();
    return m_language.store();
}

void FormView::finishTool(bool confirmed, const std::string& resultText) {
    if (confirmed) m_panel.replace(resultText);
}

void FormView::menuDesigner() {
    // Titles from an earlier run never carry over; icon paths belong to the Tab Host wizard.
    resetMenuItems(m_tools.menu, m_defaults.SimgeAdi);
    MenuDesigner designer(m_services, m_tools.menu, MenuDesignMode::Normal);
    const bool confirmed = designer.finish(m_host.runMenuDesigner(designer)).ok();
    finishTool(confirmed, confirmed ? menuCode(m_tools.menu, language()) : std::string());
}

namespace {
constexpr std::size_t kSettingSaverHelpPage = 2;  // "ZEP ile Ayar Kaydetme Dersi"
}

void FormView::settingSaver() {
    SettingSaver saver(m_tools.settingSaver, m_services, language(),
                       helpPagePath(kSettingSaverHelpPage));
    const bool confirmed = m_host.runSettingSaver(saver);
    finishTool(confirmed, saver.resultText());
}

void FormView::dialogDesigner(int type) {
    const auto dialogType = dialogTypeAt(type);
    if (!dialogType) return;
    DialogDesigner designer(m_tools.dialogDesigner, m_services, *dialogType, language(),
                            m_definer.activityName, m_defaults.SimgeAdi);
    const bool confirmed = m_host.runDialogDesigner(designer);
    finishTool(confirmed, designer.resultText());
}

void FormView::sqliteTool() {
    SqliteTool tool(m_services, m_tools.sqlite,
                    {m_defaults.TabloAdi, m_defaults.Veritabani, m_defaults.PaketAdi}, language());
    m_host.runSqliteTool(tool);
    finishTool(tool.resultText() != kSqliteCancelMarker, tool.resultText());
}

void FormView::layoutToCode() {
    const auto file = m_services.openFileDialog("Layout Dosyası Seçin", "Android Layout (*.xml)");
    if (!file) return;
    LayoutToCode model(m_services, m_tools.layout, language());
    if (!model.open(file->path).ok()) return;  // the model has said why
    const bool confirmed = m_host.runLayoutToCode(model);
    finishTool(confirmed, model.resultText());
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
    if (type == kNoChoice || !entry) {
        m_services.messageBox("Oluşturulacak hiçbir layout nesnesi seçilmemiş", "Hata",
                              MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    if (type == "tabHost") {
        TabHostWizard wizard(m_services, m_tools.tabHost, m_tools.menu,
                             {m_definer.activityName, m_definer.variableName, m_definer.idName,
                              m_defaults.SimgeAdi, m_defaults.PaketAdi, language()});
        m_host.runTabHostWizard(wizard);
        if (m_definer.advance) m_definer.advanceCounter(*entry);
        return;
    }
    if (needsListItems(type)) {
        ListCreator creator(m_services, language());
        if (!m_host.runListCreator(creator)) return;
        m_tools.listItemText = creator.listItemText();
    }
    m_panel.replace(
        generateObjectText(type, m_definer.generatorInput(m_tools.listItemText, language())));
    if (m_definer.advance) m_definer.advanceCounter(*entry);
}

void FormView::programSettings() {
    ProgramSettings settings(m_defaults, m_services);
    // The version the SQLite tool last picked is the one the program runs with, so the dialog
    // offers that one, as it offers every other running value.
    const auto running = databaseVersionIndex(m_tools.sqlite.version);
    settings.selectVersion(running ? int(*running) : -1);
    m_host.runProgramSettings(settings);
    if (settings.restartChosen()) restart();
}

void FormView::about() {
    m_host.showAbout();
}

void FormView::snippet(int index) {
    const auto snippets = snippetCatalogue();
    if (index < 0 || size_t(index) >= snippets.size()) return;
    m_panel.replace(std::string(snippets[size_t(index)].text(language())));
}

void FormView::help(int page) {
    if (page < 0 || size_t(page) >= helpPages().size()) return;
    m_services.openDesktop(helpPagePath(size_t(page)));
}

std::string FormView::helpPagePath(std::size_t page) const {
    std::string path = m_helpFolder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += helpPages().at(page).fileName;
    return path;
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
                              MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes)
        m_host.closeMainWindow();
}

void FormView::copyAll() {
    m_services.setClipboardText(m_panel.text());
}

Outcome FormView::restart() {
    if (m_services.startNewInstance()) {
        m_host.closeMainWindow();
        return Outcome::done();
    }
    // Closing anyway would throw away the code panel and the slots for nothing.
    return showRefusal(m_services,
                       "Program yeniden başlatılamadı. Değişiklikler bir sonraki açılışta "
                       "geçerli olacak; programı kendiniz kapatıp yeniden açabilirsiniz.");
}

}  // namespace nakkas
