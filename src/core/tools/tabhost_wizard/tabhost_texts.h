#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "text/language.h"
#include "text/no_choice.h"
#include "tools/menu_designer/menu_code.h"
#include "tools/menu_designer/menu_records.h"

namespace nakkas {

// One tab of a Tab Host project.
struct TabRecord {
    std::string activityName;
    std::string title;
    std::string iconName;
    std::string iconSourcePath{kNoChoice};  // until an icon file is chosen
    std::string layoutStyle = "LinearLayout";
    bool scroll = false;
};

// The four page layouts a tab can have, in the order the form lists them.
inline constexpr std::array<std::string_view, 4> kLayoutStyles = {"LinearLayout", "RelativeLayout",
                                                                  "TableLayout", "FrameLayout"};

// The optional lifecycle methods of the main activity, in the order they are written (which is
// not the order of the boxes on the form).
enum class Lifecycle { Start, Pause, Resume, Restart, Stop, Destroy };
inline constexpr int kLifecycleCount = 6;
// The method names as the command line and the form give them, in the order above.
inline constexpr std::array<std::string_view, kLifecycleCount> kLifecycleNames = {
    "onStart", "onPause", "onResume", "onRestart", "onStop", "onDestroy"};
using LifecycleChoices = std::array<bool, kLifecycleCount>;

// Replaces the twelve Turkish letters outside ASCII by their base letters.
std::string foldTurkish(std::string_view text);

// Tab k counts from 1.
std::string tabIconSelector(const TabRecord& tab);
std::string tabPageLayout(const TabRecord& tab);
std::string tabHostLayout();

// How the project keeps its activities in a language: the file name's extension (".java",
// ".kt") and the bytes a text is written as (the Java files as they always were, the Kotlin
// ones as UTF-8 with LF line ends).
struct ActivityFileForm {
    std::string_view extension;
    std::string (*bytes)(std::string_view text);
};
ActivityFileForm activityFileForm(Language language);

std::string tabActivity(int k, std::string_view packageName, const TabRecord& tab,
                        Language language);

std::string lifecycleMethods(const LifecycleChoices& choices, Language language);
std::string tabSpecCode(std::span<const TabRecord> tabs, Language language);
// The addTab lines of the tabs followed by the line choosing the start tab (0-based).
std::string addTabCode(int tabCount, int startTab, Language language);

struct MainActivityInput {
    std::string_view packageName;
    std::string_view activityName;
    std::span<const TabRecord> tabs;  // the tabs in use
    int startTab = 0;
    bool fullScreen = false;
    int orientation = 0;  // 0 free, 1 portrait, 2 landscape
    LifecycleChoices lifecycle{};
    const MenuRecords* menu = nullptr;  // null when the project has no menu
    Language language = Language::Java;
};
std::string mainActivity(const MainActivityInput& in);

std::string manifestActivityList(std::span<const TabRecord> tabs);

struct ManifestInput {
    std::string_view packageName;
    std::string_view minVersion;
    std::string_view targetVersion;
    std::string_view appIcon;  // the stored default icon name
    std::string_view applicationId;
    std::string_view activityName;
    std::string_view windowTitle;
    std::span<const TabRecord> tabs;
};
std::string manifest(const ManifestInput& in);

// The project's zep_menu.xml, with the items 1 to the menu's count. The main activity's menu
// methods are the menu code's project form (menuMethods).
std::string menuResource(const MenuRecords& menu);

}  // namespace nakkas
