#include "tools/tabhost_wizard/tabhost_texts.h"

#include <utility>

#include "text/android_namespace.h"
#include "text/escape.h"
#include "tools/sqlite_tool/text_file_writer.h"

namespace nakkas {

namespace {

// The twelve letters with their replacements; the Android tools of the day choked on them in
// titles and labels.
constexpr std::pair<std::string_view, char> kFolds[] = {
    {"Ç", 'C'}, {"Ğ", 'G'}, {"Ü", 'U'}, {"Ş", 'S'}, {"Ö", 'O'}, {"İ", 'I'},
    {"ç", 'c'}, {"ğ", 'g'}, {"ü", 'u'}, {"ş", 's'}, {"ö", 'o'}, {"ı", 'i'}};

std::string ns() {
    return std::string(kAndroidNamespace);
}

std::string number(int k) {
    return std::to_string(k);
}

// A piece of an activity's text: a fixed literal or one of the values below.
enum class Slot { None, Package, ClassName, TabNumber, Title, Activity, Method, When, StartTab };

struct Piece {
    std::string_view text;
    Slot slot = Slot::None;
};
using Pieces = std::span<const Piece>;

constexpr Piece kPackage{{}, Slot::Package};
constexpr Piece kClassName{{}, Slot::ClassName};
constexpr Piece kTabNumber{{}, Slot::TabNumber};
constexpr Piece kTitle{{}, Slot::Title};
constexpr Piece kActivity{{}, Slot::Activity};
constexpr Piece kMethod{{}, Slot::Method};
constexpr Piece kWhen{{}, Slot::When};
constexpr Piece kStartTab{{}, Slot::StartTab};

// What the slots of one text are filled with; a title arrives already quoted for its literal.
struct Values {
    std::array<std::string_view, size_t(Slot::StartTab) + 1> of{};
    std::string_view& operator[](Slot slot) { return of[size_t(slot)]; }
};

void append(std::string& text, Pieces pieces, const Values& v) {
    for (const Piece& piece : pieces)
        text += piece.slot == Slot::None ? piece.text : v.of[size_t(piece.slot)];
}

// When the main activity needs an import line.
enum class Needs { Always, Menu, Orientation, FullScreen };
struct Import {
    std::string_view text;
    Needs needs;
};

// Everything of the activities that depends on the language.
struct ActivityTemplates {
    ActivityFileForm file;
    std::string (*quote)(std::string_view);  // a title inside a string literal
    Pieces tabActivity;
    // The main activity, in the order it is written.
    Pieces packageLine;
    std::span<const Import> imports;
    Pieces classHead;  // up to the first statement of onCreate
    std::string_view fullScreen;
    std::string_view contentView;
    std::array<std::string_view, 3> orientation;  // by the orientation index; 0 writes nothing
    std::string_view tabHost;
    Pieces tabSpec;
    Pieces addTab;
    Pieces startTab;
    std::string_view onCreateEnd;
    std::string_view beforeMenu, afterMenu;
    Pieces lifecycle;
    std::string_view classEnd;
};

// Java: the texts the wizard has always written. The \r\n pieces are part of them.
constexpr Piece kJavaTabActivity[] = {
    {"package "},
    kPackage,
    {";\n\nimport android.app.Activity;\nimport android.os.Bundle;\n\npublic class "},
    kClassName,
    {" extends Activity {\npublic void onCreate(Bundle savedInstanceState) {\n"
     "super.onCreate(savedInstanceState);\nsetContentView(R.layout.tab"},
    kTabNumber,
    {"_layout);\n}\n}\n"},
};
constexpr Piece kJavaPackageLine[] = {{"package "}, kPackage, {";\n\n"}};
// The menu's lines come first and import one class too many; what the window and orientation
// lines use closes the block.
constexpr Import kJavaImports[] = {
    {"import android.app.Activity;\n", Needs::Menu},
    {"import android.view.Menu;\n", Needs::Menu},
    {"import android.view.MenuInflater;\n", Needs::Menu},
    {"import android.view.MenuItem;\n", Needs::Menu},
    {"import android.app.TabActivity;\n", Needs::Always},
    {"import android.content.Intent;\n", Needs::Always},
    {"import android.os.Bundle;\n", Needs::Always},
    {"import android.widget.TabHost;\n", Needs::Always},
    {"import android.widget.TabHost.TabSpec;\n", Needs::Always},
    {"import android.content.pm.ActivityInfo;\n", Needs::Orientation},
    {"import android.view.Window;\n", Needs::FullScreen},
    {"import android.view.WindowManager;\n", Needs::FullScreen},
};
constexpr Piece kJavaClassHead[] = {
    {"\npublic class "},
    kClassName,
    {" extends TabActivity {\nint Oryantasyon;\npublic void onCreate(Bundle "
     "savedInstanceState) {\nsuper.onCreate(savedInstanceState);\n"},
};
constexpr Piece kJavaTabSpec[] = {
    {"TabSpec Tab"},
    kTabNumber,
    {"Spc = tabHost.newTabSpec(\"\");\nTab"},
    kTabNumber,
    {"Spc.setIndicator(\""},
    kTitle,
    {"\", getResources().getDrawable(R.drawable.simge_tab"},
    kTabNumber,
    {"));\r\nIntent Tab"},
    kTabNumber,
    {"Intent = new Intent(this, "},
    kActivity,
    {".class);\r\nTab"},
    kTabNumber,
    {"Spc.setContent(Tab"},
    kTabNumber,
    {"Intent);\n"},
};
constexpr Piece kJavaAddTab[] = {{"tabHost.addTab(Tab"}, kTabNumber, {"Spc);\n"}};
constexpr Piece kJavaStartTab[] = {{"tabHost.setCurrentTab("}, kStartTab, {");\n"}};
constexpr Piece kJavaLifecycle[] = {
    {"protected void "},
    kMethod,
    {"()\n{\nsuper."},
    kMethod,
    {"();\r\n//"},
    kWhen,
    {" olacak olaylar buraya yazilir\r\n}\n"},
};

std::string javaBytes(std::string_view text) {
    return textFileBytes(text);
}

constexpr ActivityTemplates kJava{
    {".java", javaBytes},
    javaString,
    kJavaTabActivity,
    kJavaPackageLine,
    kJavaImports,
    kJavaClassHead,
    "requestWindowFeature(Window.FEATURE_NO_TITLE);\ngetWindow().setFlags("
    "WindowManager.LayoutParams.FLAG_FULLSCREEN, WindowManager.LayoutParams.FLAG_FULLSCREEN);\n",
    "setContentView(R.layout.activity_main);\n",
    {"",
     "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT;\n"
     "setRequestedOrientation(Oryantasyon);\n",
     "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE;\n"
     "setRequestedOrientation(Oryantasyon);\n"},
    "TabHost tabHost = getTabHost();\n",
    kJavaTabSpec,
    kJavaAddTab,
    kJavaStartTab,
    "\n}\n",
    "",
    "\n",
    kJavaLifecycle,
    "}\n",
};

// Kotlin: the same activities as Android Studio lays them out, with the same comments. The
// activity's own properties (tabHost, window, resources, menuInflater) stand where Java calls
// their getters, and the orientation needs no field.
constexpr Piece kKotlinTabActivity[] = {
    {"package "},
    kPackage,
    {"\n\nimport android.app.Activity\nimport android.os.Bundle\n\nclass "},
    kClassName,
    {" : Activity() {\n    override fun onCreate(savedInstanceState: Bundle?) {\n"
     "        super.onCreate(savedInstanceState)\n        setContentView(R.layout.tab"},
    kTabNumber,
    {"_layout)\n    }\n}\n"},
};
constexpr Piece kKotlinPackageLine[] = {{"package "}, kPackage, {"\n\n"}};
// In the order an IDE sorts them.
constexpr Import kKotlinImports[] = {
    {"import android.app.TabActivity\n", Needs::Always},
    {"import android.content.Intent\n", Needs::Always},
    {"import android.content.pm.ActivityInfo\n", Needs::Orientation},
    {"import android.os.Bundle\n", Needs::Always},
    {"import android.view.Menu\n", Needs::Menu},
    {"import android.view.MenuItem\n", Needs::Menu},
    {"import android.view.Window\n", Needs::FullScreen},
    {"import android.view.WindowManager\n", Needs::FullScreen},
};
constexpr Piece kKotlinClassHead[] = {
    {"\nclass "},
    kClassName,
    {" : TabActivity() {\n    override fun onCreate(savedInstanceState: Bundle?) {\n"
     "        super.onCreate(savedInstanceState)\n"},
};
constexpr Piece kKotlinTabSpec[] = {
    {"        val tab"},
    kTabNumber,
    {"Spc = tabHost.newTabSpec(\"\")\n        tab"},
    kTabNumber,
    {"Spc.setIndicator(\""},
    kTitle,
    {"\", resources.getDrawable(R.drawable.simge_tab"},
    kTabNumber,
    {"))\n        val tab"},
    kTabNumber,
    {"Intent = Intent(this, "},
    kActivity,
    {"::class.java)\n        tab"},
    kTabNumber,
    {"Spc.setContent(tab"},
    kTabNumber,
    {"Intent)\n"},
};
constexpr Piece kKotlinAddTab[] = {{"        tabHost.addTab(tab"}, kTabNumber, {"Spc)\n"}};
constexpr Piece kKotlinStartTab[] = {{"        tabHost.currentTab = "}, kStartTab, {"\n"}};
constexpr Piece kKotlinLifecycle[] = {
    {"\n    override fun "},
    kMethod,
    {"() {\n        super."},
    kMethod,
    {"()\n        //"},
    kWhen,
    {" olacak olaylar buraya yazilir\n    }\n"},
};

std::string kotlinBytes(std::string_view text) {
    return utf8FileBytes(text);
}

constexpr ActivityTemplates kKotlin{
    {".kt", kotlinBytes},
    kotlinString,
    kKotlinTabActivity,
    kKotlinPackageLine,
    kKotlinImports,
    kKotlinClassHead,
    "        requestWindowFeature(Window.FEATURE_NO_TITLE)\n        window.setFlags("
    "WindowManager.LayoutParams.FLAG_FULLSCREEN, WindowManager.LayoutParams.FLAG_FULLSCREEN)\n",
    "        setContentView(R.layout.activity_main)\n",
    {"", "        requestedOrientation = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT\n",
     "        requestedOrientation = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE\n"},
    "",
    kKotlinTabSpec,
    kKotlinAddTab,
    kKotlinStartTab,
    "    }\n",
    "\n",
    "\n",
    kKotlinLifecycle,
    "}\n",
};

const ActivityTemplates& activityTemplates(Language language) {
    return language == Language::Kotlin ? kKotlin : kJava;
}

}  // namespace

std::string foldTurkish(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        bool folded = false;
        for (const auto& [letter, base] : kFolds) {
            if (text.substr(i, letter.size()) == letter) {
                out += base;
                i += letter.size();
                folded = true;
                break;
            }
        }
        if (!folded) out += text[i++];
    }
    return out;
}

std::string tabIconSelector(const TabRecord& tab) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<selector xmlns:android=\"" + ns() +
           "\">\n<item android:drawable=\"@drawable/" + xmlAttribute(tab.iconName) +
           "\"\nandroid:state_selected=\"true\" />\n<item android:drawable=\"@drawable/" +
           xmlAttribute(tab.iconName) + "\" />\n</selector>";
}

std::string tabPageLayout(const TabRecord& tab) {
    // From the layout's name to its closing tag; the scroll view wraps exactly this.
    const std::string inner =
        tab.layoutStyle + "\nxmlns:android=\"" + ns() +
        "\"\nandroid:orientation=\"vertical\"\nandroid:layout_width=\"match_parent\"\n"
        "android:layout_height=\"match_parent\">\n<TextView android:text=\"" +
        xmlAttribute(tab.title) +
        " Sayfasi\"\n   android:padding=\"15dip\"\n   android:textSize=\"18dip\"\n"
        "   android:layout_width=\"fill_parent\"\nandroid:layout_height=\"wrap_content\"/>\n</" +
        tab.layoutStyle + ">\n";
    if (!tab.scroll) return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<" + inner;
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ScrollView\nxmlns:android=\"" + ns() +
           "\"\nandroid:orientation=\"vertical\"\nandroid:layout_width=\"match_parent\"\n"
           "android:layout_height=\"match_parent\">\n<" +
           inner + "</ScrollView>\n";
}

std::string tabHostLayout() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<TabHost xmlns:android=\"" + ns() +
           "\"\n   android:id=\"@android:id/tabhost\"\n   android:layout_width=\"fill_parent\"\n"
           "   android:layout_height=\"fill_parent\">\n<LinearLayout\n"
           "   android:orientation=\"vertical\"\n   android:layout_width=\"fill_parent\"\n"
           "   android:layout_height=\"fill_parent\">\n"
           "<TabWidget\n   android:id=\"@android:id/tabs\"\n   "
           "android:layout_width=\"fill_parent\"\n"
           "   android:layout_height=\"wrap_content\" />\n<FrameLayout\n"
           "   android:id=\"@android:id/tabcontent\"\n   android:layout_width=\"fill_parent\"\n"
           "   android:layout_height=\"fill_parent\"/>\n</LinearLayout>\n</TabHost>";
}

ActivityFileForm activityFileForm(Language language) {
    return activityTemplates(language).file;
}

std::string tabActivity(int k, std::string_view packageName, const TabRecord& tab,
                        Language language) {
    const std::string n = number(k);
    Values v;
    v[Slot::Package] = packageName;
    v[Slot::ClassName] = tab.activityName;
    v[Slot::TabNumber] = n;
    std::string text;
    append(text, activityTemplates(language).tabActivity, v);
    return text;
}

std::string lifecycleMethods(const LifecycleChoices& choices, Language language) {
    static constexpr std::string_view kWhen[kLifecycleCount] = {
        "Uygulama Basladiginda", "Uygulama Arkaplana atildiginda",
        "Uygulama calisiyorken", "Uygulama yeniden baslatildiginda",
        "Uygulama durdugunda",   "Uygulama kapatildiginda",
    };
    const ActivityTemplates& t = activityTemplates(language);
    std::string text;
    for (int i = 0; i < kLifecycleCount; ++i) {
        if (!choices[size_t(i)]) continue;
        Values v;
        v[Slot::Method] = kLifecycleNames[size_t(i)];
        v[Slot::When] = kWhen[i];
        append(text, t.lifecycle, v);
    }
    return text;
}

std::string tabSpecCode(std::span<const TabRecord> tabs, Language language) {
    const ActivityTemplates& t = activityTemplates(language);
    std::string text;
    for (size_t i = 0; i < tabs.size(); ++i) {
        const std::string k = number(int(i) + 1);
        const std::string title = t.quote(tabs[i].title);
        Values v;
        v[Slot::TabNumber] = k;
        v[Slot::Title] = title;
        v[Slot::Activity] = tabs[i].activityName;
        append(text, t.tabSpec, v);
    }
    return text;
}

std::string addTabCode(int tabCount, int startTab, Language language) {
    const ActivityTemplates& t = activityTemplates(language);
    std::string text;
    for (int k = 1; k <= tabCount; ++k) {
        const std::string n = number(k);
        Values v;
        v[Slot::TabNumber] = n;
        append(text, t.addTab, v);
    }
    const std::string start = number(startTab);
    Values v;
    v[Slot::StartTab] = start;
    append(text, t.startTab, v);
    return text;
}

std::string mainActivity(const MainActivityInput& in) {
    const ActivityTemplates& t = activityTemplates(in.language);
    Values v;
    v[Slot::Package] = in.packageName;
    v[Slot::ClassName] = in.activityName;
    std::string text;
    append(text, t.packageLine, v);
    const bool oriented = in.orientation == 1 || in.orientation == 2;
    // By Needs: always, the menu, the orientation lines, the full screen lines.
    const bool needed[] = {true, in.menu != nullptr, oriented, in.fullScreen};
    for (const Import& line : t.imports)
        if (needed[size_t(line.needs)]) text += line.text;
    append(text, t.classHead, v);
    if (in.fullScreen) text += t.fullScreen;
    text += t.contentView;
    if (oriented) text += t.orientation[size_t(in.orientation)];
    text += t.tabHost;
    text += tabSpecCode(in.tabs, in.language);
    text += addTabCode(int(in.tabs.size()), in.startTab, in.language);
    text += t.onCreateEnd;
    if (in.menu) {
        text += t.beforeMenu;
        text += menuMethods(*in.menu, MenuTarget::Project, in.language);
        text += t.afterMenu;
    }
    text += lifecycleMethods(in.lifecycle, in.language);
    return text + std::string(t.classEnd);
}

std::string manifestActivityList(std::span<const TabRecord> tabs) {
    std::string text;
    for (const TabRecord& tab : tabs)
        text += "<activity android:name=\"." + xmlAttribute(tab.activityName) + "\" />\r\n";
    return text;
}

std::string manifest(const ManifestInput& in) {
    std::string text = "<manifest xmlns:android=\"" + ns() + "\"\npackage=\"";
    text += xmlAttribute(in.packageName);
    text +=
        "\"\nandroid:versionCode=\"1\"\nandroid:versionName=\"1.0\" >\n<uses-sdk\n"
        "android:minSdkVersion=\"";
    text += xmlAttribute(in.minVersion);
    text += "\"\nandroid:targetSdkVersion=\"";
    text += xmlAttribute(in.targetVersion);
    text += "\" />\n<application\nandroid:icon=\"@drawable/";
    text += xmlAttribute(in.appIcon);
    text += "\"\nandroid:label=\"";
    text += xmlAttribute(in.applicationId);
    text += "\"\nandroid:theme=\"@style/AppTheme\" >\n<activity\nandroid:name=\".";
    text += xmlAttribute(in.activityName);
    text += "\"\nandroid:label=\"";
    text += xmlAttribute(in.windowTitle);
    text +=
        "\" >\n<meta-data\nandroid:name=\"android.support.PARENT_ACTIVITY\"\n"
        "android:value=\"OZGUN_DEGER\" />\n<intent-filter >\n"
        "<action android:name=\"android.intent.action.MAIN\" />\n"
        "<category android:name=\"android.intent.category.LAUNCHER\" />\n"
        "</intent-filter>\n</activity>\n";
    text += manifestActivityList(in.tabs);
    return text + "</application>\n</manifest>\n";
}

std::string menuResource(const MenuRecords& menu) {
    return menuXml(menu, MenuTarget::Project);
}

}  // namespace nakkas
