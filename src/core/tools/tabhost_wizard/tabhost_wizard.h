#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/menu_designer/menu_records.h"
#include "tools/outcome.h"
#include "tools/tabhost_wizard/tabhost_texts.h"

namespace nakkas {

class Services;

inline constexpr std::string_view kNoChoice = "YOK";
inline constexpr std::string_view kExamplePackage = "com.example.uygulamaadiniz";
inline constexpr int kMaxTabs = 6;

// Everything "Oluştur" reads from the wizard. It outlives one opening of the dialog, and keeps
// what the user typed: titles are folded only in the copy that is written.
struct TabHostProject {
    std::string outputFolder{kNoChoice};
    std::string packageName;
    std::string targetVersion = "10";
    std::string minVersion = "8";
    std::string applicationId = "TabUygulamam";
    std::string windowTitle = "Merhaba ZEP";
    std::string mainActivity;
    std::string
        appIcon;  // the stored default icon name; tab and menu icons equal to it are not copied
    int tabCount = 1;
    std::array<TabRecord, kMaxTabs> tabs;
    int startTab = 0;
    bool fullScreen = false;
    int orientation = 0;
    bool menuFlag = false;
    LifecycleChoices lifecycle{};
    bool openWhenDone = true;
};

// What to do when the project folder exists already.
enum class ReplacePolicy {
    Ask,      // ask the user (the command line's services answer No)
    Replace,  // move it to the trash without asking
};

// What the wizard is opened with: the definer form's three names and two stored defaults.
struct TabHostStart {
    std::string activityName;  // becomes the main activity's class name
    std::string variableName;  // shown only
    std::string idName;        // shown only
    std::string iconName;      // the stored default icon name
    std::string packageName;   // the stored default package
};

// "Tab Host Proje Tasarımı": the form's logic without widgets. The project and the menu records
// live on in the tool state; one wizard is made for each opening of the dialog.
class TabHostWizard {
public:
    static constexpr std::array<std::string_view, 8> kVersions = {"8",  "9",  "10", "11",
                                                                  "12", "13", "14", "15"};
    static constexpr std::array<std::string_view, 3> kOrientations = {
        "Otomatik Dönder", "Dikey Biçimde Kilitle", "Yatay Biçimde Kilitle"};
    enum class Help { ApplicationId, WindowTitle, Package, Versions };

    TabHostWizard(Services& services, TabHostProject& project, MenuRecords& menu,
                  TabHostStart start);

    const TabHostStart& start() const { return m_start; }
    TabHostProject& project() { return m_project; }
    const TabHostProject& project() const { return m_project; }
    MenuRecords& menu() { return m_menu; }

    std::string tabCountText = "1";  // "Toplam Tab Sayisi:"

    // "Listele": fixes the tab count and gives all six tabs their defaults. Refused (with the
    // message shown) for anything but "1" to "6".
    Outcome list();
    bool listed() const { return m_listed; }
    // The tab list's lines, "Tab1" up to the tab count; empty before "Listele".
    std::vector<std::string> tabLines() const;

    void chooseTab(int index);
    std::optional<int> selectedTab() const { return m_selected; }
    std::string tabIdText() const;   // "Tab ID:"
    std::string serialText() const;  // "Seri:"
    // The chosen tab's record, or null before a tab is chosen.
    const TabRecord* selectedRecord() const;

    // Field edits of the chosen tab; they do nothing before a tab is chosen.
    void setActivityName(std::string text);
    void setTitle(std::string text);
    void setIconName(std::string text);
    void chooseLayout(int index);
    void setScroll(bool on);
    // The chosen icon file becomes the tab's icon, named after the file without its extension.
    void setIconFile(const std::string& path);
    // The icon picker: asks for a PNG file; cancelling changes nothing.
    void pickIcon();

    void chooseOrientation(int index);
    void setFullScreen(bool on);
    void setMenuFlag(bool on);
    void chooseStartTab(int index);
    void setLifecycle(Lifecycle method, bool on);
    void chooseTargetVersion(int index);
    void chooseMinVersion(int index);
    int targetVersionIndex() const;
    int minVersionIndex() const;

    // The folder radio button; it makes "Klasör Belirle" usable.
    void chooseFolderOption() { m_folderButton = true; }
    void setOutputFolder(const std::string& folder) { m_project.outputFolder = folder; }
    // "Klasör Belirle": asks for a folder; cancelling leaves the field as it was.
    void pickFolder();

    // "Yeni Tasarım": gives the six menu records their starting values; the caller then opens
    // the menu design dialog in its Tab Host mode.
    void newMenuDesign();
    static constexpr std::string_view kMenuMode = "TabActi";

    void help(Help topic);
    // "Oluştur". Done when the project was written and the dialog may close; otherwise the
    // dialog stays open with everything the user designed.
    Outcome create(ReplacePolicy policy = ReplacePolicy::Ask);

    // Enabled states that depend on more than "Listele".
    bool tabFieldsEnabled() const { return m_selected.has_value(); }
    bool iconPickerEnabled() const { return m_selected.has_value(); }
    bool folderButtonEnabled() const { return m_listed && m_folderButton; }
    bool menuDesignEnabled() const { return m_listed && m_project.menuFlag; }

private:
    TabRecord* selected();

    Services& m_services;
    TabHostProject& m_project;
    MenuRecords& m_menu;
    TabHostStart m_start;
    bool m_listed = false;
    bool m_folderButton = false;
    std::optional<int> m_selected;
};

// The help texts of the four "?" buttons.
std::string_view tabHostHelpText(TabHostWizard::Help topic);

}  // namespace nakkas
