#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"
#include "message_checks.h"
#include "project_tree.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/sqlite_tool/text_file_writer.h"
#include "tools/tabhost_wizard/project_writer.h"

namespace nakkas {
namespace {

using test::sameProjectTree;
using Strings = std::vector<std::string>;

struct Desk {
    test::FakeServices s;
    TabHostProject project;
    MenuRecords menu;
    TabHostStart start{"AnaEkran", "tabHost1", "tabHost1", "ic_launcher", "com.firma.uyg"};
    static constexpr const char* kRoot = "/proje/Zep";

    Desk() { s.fs.folders.insert("/proje"); }
    TabHostWizard open() { return TabHostWizard(s, project, menu, start); }
    // An opened wizard listed with n tabs and the output folder chosen.
    TabHostWizard listed(int n) {
        TabHostWizard w = open();
        w.tabCountText = std::to_string(n);
        EXPECT_TRUE(w.list().ok());
        s.folders.push_back("/proje");
        w.pickFolder();
        return w;
    }
    Strings captions() const {
        Strings out;
        for (const auto& m : s.messages) out.push_back(m.caption);
        return out;
    }
    std::map<std::string, std::string> tree() const { return s.fs.filesUnder(kRoot); }
};

const std::string kExists = "Klasör Zaten Var...";

// A tab's record by field name, so that a failure names the field.
std::string fields(const TabRecord& t) {
    return "activity=" + t.activityName + " title=" + t.title + " icon=" + t.iconName +
           " source=" + t.iconSourcePath + " layout=" + t.layoutStyle + (t.scroll ? " scroll" : "");
}

TEST(TabHostTexts, FoldingTheJavaOrientationLinesAndImportsAndTheFolders) {
    EXPECT_EQ(foldTurkish("ÇĞÜŞÖİçğüşöı Başlığı"), "CGUSOIcgusoi Basligi");
    EXPECT_EQ(foldTurkish("âéÄ ß \"x\" \r\n"), "âéÄ ß \"x\" \r\n");
    // The project trees cover no Java portrait line, and set the window and orientation
    // together: their imports close the block each on its own condition.
    const TabRecord tab{"Tab1Activity", "Ana", "ic_launcher"};
    const std::string portrait = mainActivity(
        {.packageName = "a", .activityName = "A", .tabs = {&tab, 1}, .orientation = 1});
    EXPECT_NE(portrait.find("TabSpec;\nimport android.content.pm.ActivityInfo;\n\npublic class"),
              std::string::npos);
    EXPECT_NE(
        portrait.find("setContentView(R.layout.activity_main);\n"
                      "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT;\n"
                      "setRequestedOrientation(Oryantasyon);\nTabHost tabHost = getTabHost();\n"),
        std::string::npos);
    EXPECT_EQ(projectFolders("/home/ali/Proje/", "com.firma.uyg").package,
              "/home/ali/Proje/Zep/src/com.firma.uyg");
}

TEST(TabHostForm, ListingFixesTheCountAndResetsAllSixTabs) {
    Desk d;
    d.project.tabs[4].title = "eski";
    TabHostWizard w = d.open();
    EXPECT_EQ(w.project().packageName, "com.firma.uyg");
    EXPECT_EQ(w.tabIdText(), "YOK");
    // Which texts are counts is the menu designer's test: the two share the rule.
    w.tabCountText = "7";
    EXPECT_FALSE(w.list().ok());
    test::expectMessage(d.s.lastMessage(), "Girilecek sayı 1 ile 6 arasında olmalıdır", "Hata",
                        MessageIcon::Error);
    EXPECT_TRUE(w.tabLines().empty());
    w.chooseTab(0);
    EXPECT_FALSE(w.selectedRecord());
    w.tabCountText = "2";
    ASSERT_TRUE(w.list().ok());
    EXPECT_EQ(w.tabLines(), (Strings{"Tab1", "Tab2"}));
    EXPECT_EQ(d.s.messages.size(), 1u);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(fields(w.project().tabs[k - 1]),
                  "activity=Tab" + std::to_string(k) + "Activity title=Tab Başlığı " +
                      std::to_string(k) + " icon=ic_launcher source=YOK layout=LinearLayout");
    w.tabCountText = "5";
    EXPECT_EQ(w.list(), Outcome::refused({}));
    EXPECT_EQ(w.project().tabCount, 2);
}

// Every control's enabled state by name, from opening through "Listele", a chosen tab and the
// menu box, with the start tab buttons shown and whether onCreate is ticked.
TEST(TabHostForm, EnabledStates) {
    using C = TabHostWizard::Control;
    const std::pair<C, const char*> controls[] = {
        {C::TabCount, "count"},         {C::TabFields, "fields"},     {C::IconPicker, "icon"},
        {C::Project, "project"},        {C::OnCreate, "onCreate"},    {C::Lifecycle, "lifecycle"},
        {C::FolderOption, "folderBox"}, {C::FolderButton, "folder"},  {C::OpenWhenDone, "open"},
        {C::MenuFlag, "menu"},          {C::NewMenuDesign, "design"}, {C::Create, "create"}};
    Desk d;
    TabHostWizard w = d.open();
    const auto state = [&] {
        std::string on;
        for (const auto& [c, name] : controls)
            if (w.enabled(c)) on += std::string(name) + " ";
        int shown = 0;
        while (shown < 6 && w.startTabShown(shown)) ++shown;
        return on + "| " + std::to_string(shown) + " start tabs" +
               (w.onCreateChecked() ? ", onCreate ticked" : "");
    };
    EXPECT_EQ(state(), "count | 0 start tabs");
    w.tabCountText = "3";
    ASSERT_TRUE(w.list().ok());
    const std::string listed = "project lifecycle folderBox folder open menu ";
    EXPECT_EQ(state(), listed + "create | 3 start tabs, onCreate ticked");
    w.chooseTab(1);
    EXPECT_EQ(state(), "fields icon " + listed + "create | 3 start tabs, onCreate ticked");
    w.setMenuFlag(true);
    EXPECT_EQ(state(), "fields icon " + listed + "design create | 3 start tabs, onCreate ticked");
    w.setMenuFlag(false);
    EXPECT_EQ(state(), "fields icon " + listed + "create | 3 start tabs, onCreate ticked");
}

TEST(TabHostForm, EditsGoToTheChosenTabAndTheMenuBox) {
    Desk d;
    TabHostWizard w = d.listed(3);
    w.chooseTab(1);
    EXPECT_EQ(w.tabIdText(), "Tab2");
    EXPECT_EQ(w.serialText(), "1");
    w.setTitle("Ayarlar");
    w.chooseLayout(2);
    EXPECT_EQ(w.layoutStyleIndex(), 2);
    w.setScroll(true);
    d.s.openFiles.push_back(OpenedFile{"/resim/ev.png", "ev.png"});
    EXPECT_TRUE(w.pickIcon().ok());
    EXPECT_EQ(d.s.dialogs.back().title + " | " + d.s.dialogs.back().filter,
              "Tab Host için Simge Dosyası Seçin | PNG Simge Dosyası (*.png)");
    EXPECT_EQ(w.pickIcon(), Outcome::cancelled());
    EXPECT_EQ(fields(w.project().tabs[1]),
              "activity=Tab2Activity title=Ayarlar icon=ev source=/resim/ev.png "
              "layout=TableLayout scroll");
    EXPECT_EQ(w.project().tabs[0].title, "Tab Başlığı 1");
    w.chooseTab(3);
    EXPECT_EQ(w.tabIdText(), "Tab2");
    w.chooseStartTab(2);
    w.chooseStartTab(3);
    w.pickFolder();
    EXPECT_EQ(w.project().startTab, 2);
    EXPECT_EQ(w.project().outputFolder, "/proje");

    // "Yeni Tasarım" gives the records their starting values and opens the design in its Tab
    // Host mode; a design that does not end with OK leaves no items.
    d.menu.items[0].iconSourcePath = "/eski.png";
    d.menu.count = 2;
    const auto cancelled = [](MenuDesigner& m) {
        EXPECT_EQ(m.mode(), MenuDesignMode::TabActi);
        m.countText = "3";
        return m.list().ok();  // closed with OK but never confirmed
    };
    EXPECT_EQ(w.designMenu(cancelled), Outcome::refused({}));  // the menu box is unchecked
    EXPECT_EQ(d.menu.count, 2);
    w.setMenuFlag(true);
    EXPECT_EQ(w.designMenu(cancelled), Outcome::cancelled());
    EXPECT_EQ(d.menu.items[0].iconSourcePath, "");
    EXPECT_EQ(d.menu.count, 0);
    w.setFullScreen(true);
    w.chooseOrientation(2);
    // The next opening starts afresh, apart from the menu records.
    d.open();
    const TabHostProject& p = d.project;
    EXPECT_EQ(test::flagsSet({{"menu", p.menuFlag}, {"fullScreen", p.fullScreen}}) +
                  " orientation=" + std::to_string(p.orientation) + " folder=" + p.outputFolder +
                  " menu6=" + d.menu.items[5].title,
              " orientation=0 folder=YOK menu6=Menu ismi 6");
}

TEST(TabHostProjectWriter, TwoTabsWithoutAMenuAndAgainWithYes) {
    Desk d;
    TabHostWizard w = d.listed(2);
    w.project().tabs[0].title = "Ana";
    w.project().tabs[1].title = "Ayarlar";
    w.chooseStartTab(1);
    ASSERT_TRUE(w.create().ok());
    EXPECT_TRUE(sameProjectTree(d.tree(), "tabhost/two_tabs"));
    test::expectMessage(d.s.lastMessage(), "Dosyalar Oluşturuldu...", "Tamam",
                        MessageIcon::Information);
    EXPECT_EQ(d.s.opened, Strings{Desk::kRoot});

    // A second run asks first; Yes replaces the tree with one that holds each thing once.
    d.s.messages.clear();
    d.s.answers.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(w.create().ok());
    EXPECT_EQ(d.s.fs.trashed, Strings{Desk::kRoot});
    EXPECT_EQ(d.captions(), (Strings{kExists, "Silme işlemi", "Tamam"}));
    test::expectMessage(d.s.messages[0],
                        "/proje/Zep\r\nAdlı klasör zaten mevcut, Klasörü Geri Dönüşüm Kutusuna "
                        "gönderip, Dosyaları yeniden oluşturmamı istermisiniz?",
                        kExists, MessageIcon::Warning, MessageButtons::YesNo);
    EXPECT_EQ(d.s.messages[1].text, "Klasör silindi..");
    EXPECT_TRUE(sameProjectTree(d.tree(), "tabhost/two_tabs"));
}

// Whole trees for a listed wizard of n tabs that a script fills in.
TEST(TabHostProjectWriter, WholeTrees) {
    const auto threeTabs = [](Desk& d, TabHostWizard& w) {
        d.s.fs.files["/resim/ev.png"] = "ev resmi";
        d.s.fs.files["/resim/kapat.png"] = "kapat resmi";
        auto& tabs = w.project().tabs;
        tabs[0] = {"Tab1Activity", "Tab Başlığı 1", "ev", "/resim/ev.png"};
        tabs[1] = {"AyarlarActivity", "Ayarlar", "ic_launcher", "YOK", "TableLayout", true};
        tabs[2] = {"Tab3Activity", "Şehir İçi", "harita", "YOK", "RelativeLayout"};
        w.chooseStartTab(2);
        w.setFullScreen(true);
        w.chooseOrientation(2);
        for (Lifecycle m : {Lifecycle::Destroy, Lifecycle::Stop, Lifecycle::Start})
            w.setLifecycle(m, true);
        w.chooseMinVersion(1);
        w.chooseTargetVersion(7);
        w.project().applicationId = "Uyg";
        w.project().windowTitle = "Güzel Uygulama";
        w.project().openWhenDone = false;
        w.setMenuFlag(true);
        ASSERT_TRUE(w.designMenu([](MenuDesigner& m) {
                         m.countText = "3";
                         return m.list().ok() && m.confirm().ok();
                     }).ok());
        w.setMenuFlag(false);  // a menu designed, then left out, is still written
        d.menu.items[1].title = "Çıkış";
        d.menu.items[2].iconName = "kapat";
        d.menu.items[2].iconSourcePath = "/resim/kapat.png";
        d.menu.items[4].title = "kullanilmaz";
    };
    // What a Kotlin activity imports follows what it uses.
    const auto portraitLifecycle = [](Desk&, TabHostWizard& w) {
        w.project().tabs[0].title = "Ana";
        w.project().tabs[1].title = "Ayarlar";
        w.chooseStartTab(1);
        w.chooseOrientation(1);
        for (Lifecycle m : {Lifecycle::Restart, Lifecycle::Resume, Lifecycle::Pause})
            w.setLifecycle(m, true);
    };
    // A quote typed into a title must not add an element to the manifest, nor "&" make it
    // invalid, nor a quote or backslash end a string, nor '$' start a Kotlin template.
    // Characters no XML file can hold are left out.
    const auto typed = [](TabHostWizard& w, const char* title, const char* icon) {
        w.project().tabs[0] = {"Tab1Activity", title, icon};
        w.project().applicationId = "Tom &\x01 Jerry\xEF\xBF\xBF";
        w.project().windowTitle =
            "x\"/><uses-permission android:name=\"android.permission.INTERNET\"/><x y=\"\x1b";
    };
    const auto javaTyped = [&](Desk&, TabHostWizard& w) {
        typed(w, "Başlık \"1\" & <2> \\ yol", "simge\"x");
    };
    // and a menu without items keeps only the default branch.
    const auto kotlinTyped = [&](Desk&, TabHostWizard& w) {
        typed(w, "Başlık \"1\" & <2> \\ yol $x ${y}", "ic_launcher");
        w.setMenuFlag(true);
    };
    using Script = std::function<void(Desk&, TabHostWizard&)>;
    const std::tuple<Language, int, std::string, Script> cases[] = {
        {Language::Java, 3, "tabhost/three_tabs_menu", threeTabs},
        {Language::Kotlin, 3, "kotlin/tabhost/three_tabs_menu", threeTabs},
        {Language::Kotlin, 2, "kotlin/tabhost/two_tabs", portraitLifecycle},
        {Language::Java, 1, "tabhost/escaped", javaTyped},
        {Language::Kotlin, 1, "kotlin/tabhost/escaped", kotlinTyped},
    };
    for (const auto& [language, tabs, folder, script] : cases) {
        SCOPED_TRACE(folder);
        Desk d;
        d.start.language = language;
        TabHostWizard w = d.listed(tabs);
        script(d, w);
        ASSERT_TRUE(w.create().ok());
        EXPECT_TRUE(sameProjectTree(d.tree(), folder));
        EXPECT_EQ(d.s.opened, d.project.openWhenDone ? Strings{Desk::kRoot} : Strings{});
    }
}

TEST(TabHostProjectWriter, EmptyMenuAndNamesWrittenAsTypedWhileTitlesAreFolded) {
    Desk d;
    TabHostWizard w = d.listed(1);
    w.setMenuFlag(true);
    w.project().tabs[0] = {"ŞehirActivity", "Şehir", "ic_launcher"};
    ASSERT_TRUE(w.create().ok());
    const auto files = d.tree();
    EXPECT_TRUE(test::sameText(files.at("res/layout/zep_menu.xml"),
                               test::readDataCrLf("tabhost/empty_menu/zep_menu.xml")));
    const std::string& main = files.at("src/com.firma.uyg/AnaEkran.java");
    EXPECT_NE(main.find("import android.view.MenuItem;\r\n"), std::string::npos);
    EXPECT_NE(main.find("switch (item.getItemId()) {\r\ndefault:\r\n"), std::string::npos);
    EXPECT_TRUE(files.count("src/com.firma.uyg/ŞehirActivity.java"));
    EXPECT_NE(files.at("AndroidManifest.xml").find("\".\336ehirActivity\" />\r\r\n"),
              std::string::npos);  // the name in the manifest's one-byte code page
}

TEST(TabHostProjectWriter, RefusalsWriteNothing) {
    const std::string ok = "com.firma.uyg", example = "com.example.uygulamaadiniz";
    const std::string where = "Proje Klasörü Nerede?";
    const Outcome noPackage = Outcome::refused("Uygulama paket adınız yazılmamış");
    const Outcome noFolder = Outcome::refused("Kaydedilecek Proje Klasörü seçilmemiş");
    const Outcome trashFailed = Outcome::refused(
        "/proje/Zep\r\nAdlı klasör Geri Dönüşüm Kutusuna gönderilemedi. Eski dosyalarınız "
        "yerinde duruyor, hiçbir dosya yazılmadı.");
    // An old tree is there each time; only the last case answers Yes, and its trash fails.
    const std::tuple<std::string, std::string, bool, Outcome, Strings> cases[] = {
        {"YOK", example, false, noFolder, {where}},
        {"", ok, false, noFolder, {where}},
        {"/proje", example, false, noPackage, {"Peket Adı Yok"}},
        {"/proje", ok, false, Outcome::cancelled(), {kExists}},
        {"/proje", ok, true, trashFailed, {kExists, "Hata"}},
    };
    for (const auto& [folder, package, yes, outcome, captions] : cases) {
        SCOPED_TRACE(captions.back() + " " + folder + " " + package);
        Desk d;
        d.start.packageName = example;
        d.s.fs.folders.insert(Desk::kRoot);
        d.s.fs.trashFails.insert(Desk::kRoot);
        if (yes) d.s.answers.push_back(MessageAnswer::Yes);
        TabHostWizard w = d.listed(2);
        w.setOutputFolder(folder);
        w.project().packageName = package;
        EXPECT_EQ(w.create(), outcome);
        EXPECT_EQ(d.captions(), captions);
        if (outcome.kind == Outcome::Kind::Refused) {
            test::expectMessage(d.s.lastMessage(), outcome.message, captions.back(),
                                MessageIcon::Error);
        }
        EXPECT_EQ(d.s.fs.folders, (std::set<std::string>{"/", "/proje", Desk::kRoot}));
        EXPECT_TRUE(d.s.fs.files.empty());
        EXPECT_TRUE(d.s.opened.empty());
    }
}

// What the user sees when part of the tree cannot be made: the writer's message once, with
// everything that failed; no success message, nothing opened, the old tree as it was.
std::string notWritten(const Strings& failed, bool replacing) {
    std::string text(kTextFileWriterError);
    text += "\n\nOluşturulamayanlar:";
    for (const std::string& f : failed) text += "\n/proje/" + f;
    return text + (replacing ? "\n\nEski dosyalarınız yerinde duruyor, hiçbir dosya yazılmadı."
                             : "\n\nHiçbir dosya yazılmadı.");
}

// A file that cannot be written, a folder that cannot be made, or an output folder that is
// gone: the run stops with one message, the old tree stays and the fresh one is removed.
TEST(TabHostProjectWriter, AnythingThatFailsLeavesTheOldTreeAsItWas) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"/proje/.Zep-1/res/layout/activity_main.xml", "Zep/res/layout/activity_main.xml", true},
        {"/proje/.Zep-1/src/com.firma.uyg", "Zep/src/com.firma.uyg", true},
        {"/proje/.Zep-1/res", "Zep/res", false},
        {"/proje/.Zep-1", "Zep", false},
    };
    for (const auto& [failing, failed, replacing] : cases) {
        SCOPED_TRACE(failing);
        Desk d;
        if (replacing) {
            d.s.fs.folders.insert(Desk::kRoot);
            d.s.fs.files["/proje/Zep/eski.txt"] = "eski";
            d.s.answers.push_back(MessageAnswer::Yes);
        }
        d.s.fs.cannotCreate.insert(failing);
        TabHostWizard w = d.listed(2);
        const Outcome outcome = w.create();
        const std::string expected = notWritten({failed}, replacing);
        EXPECT_EQ(outcome, Outcome::refused(expected));
        test::expectMessage(d.s.lastMessage(), expected, "Hata", MessageIcon::None);
        EXPECT_EQ(d.captions(), (replacing ? Strings{kExists, "Hata"} : Strings{"Hata"}));
        EXPECT_TRUE(d.s.opened.empty());
        EXPECT_TRUE(d.s.fs.trashed.empty());
        EXPECT_EQ(d.tree().size(), replacing ? 1u : 0u);
        EXPECT_FALSE(d.s.fs.exists("/proje/.Zep-1"));
    }
}

// Icons shared by two tabs are copied once; the copy never replaces a file.
TEST(TabHostProjectWriter, SharedIconsAreCopiedOnce) {
    Desk d;
    d.s.fs.files["/resim/ev.png"] = "yeni";
    TabHostWizard w = d.listed(2);
    for (int k : {0, 1}) {
        w.chooseTab(k);
        w.setIconFile("/resim/ev.png");
    }
    ASSERT_TRUE(w.create().ok());
    EXPECT_EQ(d.tree().at("res/drawable-hdpi/ev.png"), "yeni");
    EXPECT_EQ(d.tree().size(), 10u);  // the nine files of two tabs, and one icon
}

}  // namespace
}  // namespace nakkas
