#include "tools/tabhost_wizard/tabhost_texts.h"

#include "text/escape.h"

#include <utility>

#include "text/android_namespace.h"

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

std::string tabActivity(int k, std::string_view packageName, const TabRecord& tab) {
    return "package " + std::string(packageName) +
           ";\n\nimport android.app.Activity;\nimport android.os.Bundle;\n\npublic class " +
           tab.activityName +
           " extends Activity {\npublic void onCreate(Bundle savedInstanceState) {\n"
           "super.onCreate(savedInstanceState);\nsetContentView(R.layout.tab" +
           number(k) + "_layout);\n}\n}\n";
}

std::string lifecycleMethods(const LifecycleChoices& choices) {
    static constexpr std::string_view kWhen[kLifecycleCount] = {
        "Uygulama Basladiginda", "Uygulama Arkaplana atildiginda",
        "Uygulama calisiyorken", "Uygulama yeniden baslatildiginda",
        "Uygulama durdugunda",   "Uygulama kapatildiginda",
    };
    std::string text;
    for (int i = 0; i < kLifecycleCount; ++i) {
        if (!choices[size_t(i)]) continue;
        const std::string name(kLifecycleNames[size_t(i)]);
        text += "protected void " + name + "()\n{\nsuper." + name + "();\r\n//" +
                std::string(kWhen[i]) + " olacak olaylar buraya yazilir\r\n}\n";
    }
    return text;
}

std::string tabSpecCode(std::span<const TabRecord> tabs) {
    std::string text;
    for (size_t i = 0; i < tabs.size(); ++i) {
        const std::string k = number(int(i) + 1);
        text += "TabSpec Tab" + k + "Spc = tabHost.newTabSpec(\"\");\nTab" + k +
                "Spc.setIndicator(\"" + javaString(tabs[i].title) +
                "\", getResources().getDrawable(R.drawable.simge_tab" + k + "));\r\nIntent Tab" +
                k + "Intent = new Intent(this, " + tabs[i].activityName + ".class);\r\nTab" + k +
                "Spc.setContent(Tab" + k + "Intent);\n";
    }
    return text;
}

std::string addTabCode(int tabCount, int startTab) {
    std::string text;
    for (int k = 1; k <= tabCount; ++k) text += "tabHost.addTab(Tab" + number(k) + "Spc);\n";
    return text + "tabHost.setCurrentTab(" + number(startTab) + ");\n";
}

std::string mainActivity(const MainActivityInput& in) {
    std::string text = "package " + std::string(in.packageName);
    text += in.menu ? ";\n\nimport android.app.Activity;\nimport android.view.Menu;\n"
                      "import android.view.MenuInflater;\nimport android.view.MenuItem;\n"
                      "import android.app.TabActivity;\nimport android.content.Intent;\n"
                      "import android.os.Bundle;\nimport android.widget.TabHost;\n"
                      "import android.widget.TabHost.TabSpec;\n\npublic class "
                    : ";\n\nimport android.app.TabActivity;\nimport android.content.Intent;\n"
                      "import android.os.Bundle;\nimport android.widget.TabHost;\n"
                      "import android.widget.TabHost.TabSpec;\n\npublic class ";
    text += in.activityName;
    text +=
        " extends TabActivity {\nint Oryantasyon;\npublic void onCreate(Bundle "
        "savedInstanceState) {\nsuper.onCreate(savedInstanceState);\n";
    if (in.fullScreen)
        text +=
            "requestWindowFeature(Window.FEATURE_NO_TITLE);\ngetWindow().setFlags("
            "WindowManager.LayoutParams.FLAG_FULLSCREEN, "
            "WindowManager.LayoutParams.FLAG_FULLSCREEN);\n";
    text += "setContentView(R.layout.activity_main);\n";
    if (in.orientation == 1)
        text +=
            "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT;\n"
            "setRequestedOrientation(Oryantasyon);\n";
    else if (in.orientation == 2)
        text +=
            "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE;\n"
            "setRequestedOrientation(Oryantasyon);\n";
    text += "TabHost tabHost = getTabHost();\n";
    text += tabSpecCode(in.tabs);
    text += addTabCode(int(in.tabs.size()), in.startTab);
    text += "\n}\n";
    if (in.menu) text += menuJava(*in.menu, MenuTarget::Project) + "\n";
    text += lifecycleMethods(in.lifecycle);
    return text + "}\n";
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
