#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/no_choice.h"
#include "tools/menu_designer/menu_records.h"
#include "tools/outcome.h"
#include "tools/tabhost_wizard/tabhost_texts.h"

namespace nakkas {

class MenuDesigner;
class Services;

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

// What the wizard is opened with: the definer form's three names (the hand-over), two stored
// defaults and the output language chosen on the ribbon.
struct TabHostStart {
    std::string activityName;            // becomes the main activity's class name
    std::string variableName;            // shown only
    std::string idName;                  // shown only
    std::string iconName;                // the stored default icon name
    std::string packageName;             // the stored default package
    Language language = Language::Java;  // what the activities are written in
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
    // The folder browser's prompt: what to choose, then the warning, which the form also shows
    // beside its button since a folder dialog's title holds only the first line.
    static constexpr std::string_view kFolderPromptTitle =
        "Lütfen ZEP klasörünün oluşacağı yeri seçin.";
    static constexpr std::string_view kFolderWarning =
        "Önemli: Bu yer eclipse projects dizini olmamalı";
    static constexpr std::string_view kVideoAddress =
        "https://www.youtube.com/results?search_query=android+tabhost";

    // The form's controls whose enabled state changes.
    enum class Control {
        TabCount,   // "Toplam Tab Sayisi:" and "Listele"
        TabFields,  // the chosen tab's activity, title, icon name, layout style and scroll box
        IconPicker,
        Project,    // orientation, full screen, names, versions, package and the "?" buttons
        OnCreate,   // shown checked after "Listele", never usable
        Lifecycle,  // the six other method boxes
        FolderOption,
        FolderButton,  // "Klasör Belirle"
        OpenWhenDone,
        MenuFlag,
        NewMenuDesign,  // "Yeni Tasarım"
        Create,
    };

    TabHostWizard(Services& services, TabHostProject& project, MenuRecords& menu,
                  TabHostStart start);

    const TabHostStart& start() const { return m_start; }
    TabHostProject& project() { return m_project; }
    const TabHostProject& project() const { return m_project; }
    MenuRecords& menu() { return m_menu; }

    std::string tabCountText = "1";  // "Toplam Tab Sayisi:"

    bool enabled(Control control) const;
    // The start-tab buttons "Tab1" onward: the first tab count of them, once listed.
    bool startTabShown(int index) const { return m_listed && index < m_project.tabCount; }
    // "onCreate()" is always written; the form shows it checked once listed.
    bool onCreateChecked() const { return m_listed; }

    // "Listele": fixes the tab count and gives all six tabs their defaults. Refused (with the
    // message shown) for anything but "1" to "6", and without one once listed.
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
    // The chosen tab's entry in "Layout Biçimi:", or -1 before a tab is chosen.
    int layoutStyleIndex() const;

    // Field edits of the chosen tab; they do nothing before a tab is chosen.
    void setActivityName(std::string text);
    void setTitle(std::string text);
    void setIconName(std::string text);
    void chooseLayout(int index);
    void setScroll(bool on);
    // The chosen icon file becomes the tab's icon, named after the file without its extension.
    void setIconFile(const std::string& path);
    // The icon picker: asks for a PNG file; cancelling changes nothing.
    Outcome pickIcon();

    void chooseOrientation(int index);
    void setFullScreen(bool on);
    void setMenuFlag(bool on);
    void chooseStartTab(int index);
    void setLifecycle(Lifecycle method, bool on);
    void chooseTargetVersion(int index);
    void chooseMinVersion(int index);
    int targetVersionIndex() const;
    int minVersionIndex() const;
    void setApplicationId(std::string text) { m_project.applicationId = std::move(text); }
    void setWindowTitle(std::string text) { m_project.windowTitle = std::move(text); }
    void setPackageName(std::string text) { m_project.packageName = std::move(text); }
    void setOpenWhenDone(bool on) { m_project.openWhenDone = on; }

    // The folder radio button; it makes "Klasör Belirle" usable.
    void chooseFolderOption() { m_folderButton = true; }
    void setOutputFolder(const std::string& folder) { m_project.outputFolder = folder; }
    // "Klasör Belirle": asks for a folder; cancelling leaves the field as it was.
    Outcome pickFolder();

    // "Yeni Tasarım": gives the six menu records their starting values and has `show` run the
    // menu design in its Tab Host mode (a dialog, or a script); show says whether it closed
    // with its OK button. Done when the design was saved; anything else cancels it, which sets
    // the menu item count to 0.
    Outcome designMenu(const std::function<bool(MenuDesigner&)>& show);

    void help(Help topic);
    // "Konu Hakkında Video Yardım".
    void openHelpVideo();
    // "Oluştur". Done when the project was written and the dialog may close; otherwise the
    // dialog stays open with everything the user designed.
    Outcome create(ReplacePolicy policy = ReplacePolicy::Ask);

private:
    TabRecord* selected();
    void newMenuDesign();

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
