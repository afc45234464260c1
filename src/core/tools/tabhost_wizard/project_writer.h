#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/no_choice.h"
#include "tools/menu_designer/menu_records.h"
#include "tools/outcome.h"
#include "tools/tabhost_wizard/tabhost_texts.h"

namespace nakkas {

class Services;

inline constexpr std::string_view kExamplePackage = "com.example.uygulamaadiniz";
inline constexpr int kMaxTabs = 6;

// Everything "Oluştur" reads from the wizard. It outlives one opening of the dialog.
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

// The folders of a project under its output folder. The package stays one folder, dots included.
struct ProjectFolders {
    std::string root, resources, drawables, layouts, sources, package;
};
ProjectFolders projectFolders(std::string_view outputFolder, std::string_view packageName);

// True for a name that can stand as one path component: not empty, not "." or "..", and without
// a folder separator. Names typed by the user are checked before they become part of a path so
// that nothing lands outside the project folder.
bool isSafePathComponent(std::string_view name);

// What to do when the project folder exists already.
enum class ReplacePolicy {
    Ask,      // ask the user (the command line's services answer No)
    Replace,  // move it to the trash without asking
};

// "Oluştur": checks the form, then writes the whole project tree under <output folder>/Zep.
// Titles are folded in place, in the project's tabs and in the menu records. Done after writing
// (file write failures are reported one by one and do not stop the run); Refused after a check
// message or when the old folder could not be moved to the trash; Cancelled when the user
// declined to replace the old folder. Nothing is written unless the outcome is Done.
Outcome writeTabHostProject(Services& services, TabHostProject& project, MenuRecords& menu,
                            ReplacePolicy policy);

// The menu goes into the project when a design was saved or the menu box is checked.
inline bool menuIncluded(const TabHostProject& project, const MenuRecords& menu) {
    return menu.count != 0 || project.menuFlag;
}

}  // namespace nakkas
