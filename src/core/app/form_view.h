#pragma once

#include <string>

#include "app/commands.h"
#include "app/defaults.h"
#include "app/language_setting.h"
#include "app/program_settings.h"
#include "definer/code_panel.h"
#include "definer/definer_form.h"
#include "tools/outcome.h"
#include "tools/tool_state.h"

namespace nakkas {

class Services;
class LayoutToCode;
class ListCreator;
class DialogDesigner;
class SettingSaver;
class TabHostWizard;
class MenuDesigner;
class SqliteTool;

// The modal dialogs and the window, as the form view needs them. The window shows real dialogs;
// tests answer from a script.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    // True when the list item creator was confirmed.
    virtual bool runListCreator(ListCreator& creator) = 0;
    // The wizard writes its project itself; nothing comes back to the code panel.
    virtual void runTabHostWizard(TabHostWizard& wizard) = 0;
    // True when the dialog designer closed with "Oluştur".
    virtual bool runDialogDesigner(DialogDesigner& designer) = 0;
    // True when the setting saver closed with "Tamam".
    virtual bool runSettingSaver(SettingSaver& saver) = 0;
    // "Menü Tasarım" on the given model; true when it closed with its OK button.
    virtual bool runMenuDesigner(MenuDesigner& designer) = 0;
    // The SQLite tool's dialog; what it ended with is the tool's result text.
    virtual void runSqliteTool(SqliteTool& tool) = 0;
    // True when "Layout'tan Kod Üret" was confirmed; its result text is then in the model.
    virtual bool runLayoutToCode(LayoutToCode& model) = 0;
    // The settings dialog; the model tells whether a restart was chosen.
    virtual void runProgramSettings(ProgramSettings& settings) = 0;
    virtual void showAbout() = 0;
    virtual void closeMainWindow() = 0;
};

// The one form view: the definer form above the code panel, and the handler of every command.
class FormView {
public:
    FormView(Services& services, DialogHost& host, Defaults& defaults, PanelText& panelText);

    // Runs the handler of a ribbon command.
    void run(const Command& command);

    DefinerForm& definer() { return m_definer; }
    CodePanel& panel() { return m_panel; }
    const Defaults& defaults() const { return m_defaults; }
    ToolState& tools() { return m_tools; }
    // The language every generator writes in; the ribbon shows it.
    Language language() const { return m_language.current(); }

    // Where the help pages were installed.
    void setHelpFolder(std::string folder) { m_helpFolder = std::move(folder); }

    // Handlers, one per command kind.
    void chooseEntry(int entry);
    void generate();
    void programSettings();
    void about();
    void snippet(int index);
    void help(int page);
    void reset();
    void exit();
    void menuDesigner();
    void settingSaver();
    void sqliteTool();
    void dialogDesigner(int type);
    void layoutToCode();
    // Takes effect at once and is stored; a failed store is reported and the choice kept.
    Outcome chooseLanguage(Language language);

    // Code panel tool buttons that need the desktop.
    void copyAll();
    void clearPanel() { m_panel.replace({}); }

    // The one way a tool's result reaches the panel: a confirmed tool replaces the panel's
    // text with its result; a cancelled one changes nothing.
    void finishTool(bool confirmed, const std::string& resultText);

    // Starts a new instance and closes this one; refused, and running on, when the new one
    // cannot start.
    Outcome restart();

private:
    // Where a help page lives, for the help commands and the tools' help links.
    std::string helpPagePath(std::size_t page) const;

    Services& m_services;
    DialogHost& m_host;
    Defaults& m_defaults;
    DefinerForm m_definer;
    CodePanel m_panel;
    std::string m_helpFolder;
    ToolState m_tools;
    LanguageSetting m_language;
};

}  // namespace nakkas
