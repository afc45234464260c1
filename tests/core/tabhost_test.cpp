#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"
#include "project_tree.h"
#include "tools/sqlite_tool/text_file_writer.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {
namespace {

using test::FakeServices;

using test::sameProjectTree;

// Keeps every path the writer tries to create, whether the file system lets it or not.
struct RecordingServices : FakeServices {
    std::vector<std::string> attempts;
    bool createFolder(const std::string& path) override {
        attempts.push_back(path);
        return FakeServices::createFolder(path);
    }
    bool writeFile(const std::string& path, const std::string& bytes) override {
        attempts.push_back(path);
        return FakeServices::writeFile(path, bytes);
    }
    bool copyFileNoOverwrite(const std::string& source, const std::string& target) override {
        attempts.push_back(target);
        return FakeServices::copyFileNoOverwrite(source, target);
    }
};

struct Desk {
    RecordingServices s;
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
    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (const auto& m : s.messages) out.push_back(m.caption);
        return out;
    }
};

TEST(TurkishFolding, ReplacesTheTwelveLettersAndNothingElse) {
    EXPECT_EQ(foldTurkish("ÇĞÜŞÖİçğüşöı"), "CGUSOIcgusoi");
    EXPECT_EQ(foldTurkish("Tab Başlığı 1"), "Tab Basligi 1");
    EXPECT_EQ(foldTurkish("âéÄ ß \"x\" \r\n"), "âéÄ ß \"x\" \r\n");
}

TEST(TabHostTexts, OrientationLinesFollowTheLayoutLine) {
    const TabRecord tab{"Tab1Activity", "Ana", "ic_launcher"};
    const std::string before = "setContentView(R.layout.activity_main);\n";
    const std::string after = "TabHost tabHost = getTabHost();\n";
    const std::pair<int, std::string> cases[] = {
        {0, ""},
        {1,
         "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT;\n"
         "setRequestedOrientation(Oryantasyon);\n"},
        {2,
         "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_LANDSCAPE;\n"
         "setRequestedOrientation(Oryantasyon);\n"}};
    for (const auto& [orientation, lines] : cases) {
        MainActivityInput in;
        in.packageName = "com.a";
        in.activityName = "AnaEkran";
        in.tabs = std::span(&tab, 1);
        in.orientation = orientation;
        EXPECT_NE(mainActivity(in).find(before + lines + after), std::string::npos) << orientation;
    }
}

TEST(TabHostFolders, AreJoinedUnderZepWithThePackageAsOneFolder) {
    for (const std::string folder : {"/home/ali/Proje", "/home/ali/Proje/"}) {
        const ProjectFolders f = projectFolders(folder, "com.firma.uyg");
        EXPECT_EQ(f.root, "/home/ali/Proje/Zep");
        EXPECT_EQ(f.resources, "/home/ali/Proje/Zep/res");
        EXPECT_EQ(f.drawables, "/home/ali/Proje/Zep/res/drawable-hdpi");
        EXPECT_EQ(f.layouts, "/home/ali/Proje/Zep/res/layout");
        EXPECT_EQ(f.sources, "/home/ali/Proje/Zep/src");
        EXPECT_EQ(f.package, "/home/ali/Proje/Zep/src/com.firma.uyg");
    }
}

TEST(TabHostForm, ListingFixesTheCountAndResetsAllSixTabs) {
    Desk d;
    d.project.tabs[4].title = "eski";
    TabHostWizard w = d.open();
    EXPECT_EQ(w.project().packageName, "com.firma.uyg");
    EXPECT_EQ(w.project().outputFolder, "YOK");
    EXPECT_EQ(w.tabIdText(), "YOK");
    EXPECT_EQ(w.serialText(), "YOK");
    EXPECT_EQ(w.targetVersionIndex(), 2);  // "10"
    EXPECT_EQ(w.minVersionIndex(), 0);     // "8"
    for (const std::string bad : {" 3", "03", "0", "7", "", "2 ", "+2", "٢"}) {
        w.tabCountText = bad;
        EXPECT_FALSE(w.list().ok()) << bad;
        EXPECT_EQ(d.s.lastMessage().text, "Girilecek sayı 1 ile 6 arasında olmalıdır") << bad;
        EXPECT_EQ(d.s.lastMessage().caption, "Hata");
        EXPECT_EQ(d.s.lastMessage().icon, MessageIcon::Error);
        EXPECT_FALSE(w.listed());
        EXPECT_TRUE(w.tabLines().empty());
    }
    w.chooseTab(0);  // nothing to choose before listing
    EXPECT_FALSE(w.tabFieldsEnabled());

    d.s.messages.clear();
    w.tabCountText = "2";
    ASSERT_TRUE(w.list().ok());
    EXPECT_EQ(w.tabLines(), (std::vector<std::string>{"Tab1", "Tab2"}));
    EXPECT_TRUE(d.s.messages.empty());
    for (int k = 1; k <= 6; ++k) {
        const TabRecord& t = w.project().tabs[size_t(k - 1)];
        EXPECT_EQ(t.activityName, "Tab" + std::to_string(k) + "Activity");
        EXPECT_EQ(t.title, "Tab Başlığı " + std::to_string(k));
        EXPECT_EQ(t.iconName, "ic_launcher");
        EXPECT_EQ(t.iconSourcePath, "YOK");
        EXPECT_EQ(t.layoutStyle, "LinearLayout");
        EXPECT_FALSE(t.scroll);
    }
    w.tabCountText = "5";
    EXPECT_FALSE(w.list().ok());  // fixed for this opening
    EXPECT_EQ(w.project().tabCount, 2);
    EXPECT_TRUE(w.folderButtonEnabled());
    EXPECT_FALSE(w.tabFieldsEnabled());
    EXPECT_FALSE(w.menuDesignEnabled());
}

TEST(TabHostForm, ChoosingATabShowsItAndEditsGoToItsRecord) {
    Desk d;
    TabHostWizard w = d.listed(3);
    w.chooseTab(1);
    EXPECT_EQ(w.tabIdText(), "Tab2");
    EXPECT_EQ(w.serialText(), "1");
    EXPECT_TRUE(w.tabFieldsEnabled());
    w.setTitle("Ayarlar");
    w.chooseLayout(2);
    w.setScroll(true);
    d.s.openFiles.push_back(OpenedFile{"/resim/ev.png", "ev.png"});
    w.pickIcon();
    EXPECT_EQ(d.s.dialogs.back().title, "Tab Host için Simge Dosyası Seçin");
    EXPECT_EQ(d.s.dialogs.back().filter, "PNG Simge Dosyası (*.png)|*.png|");
    w.pickIcon();  // cancelled: nothing changes
    const TabRecord& t = w.project().tabs[1];
    EXPECT_EQ(t.title, "Ayarlar");
    EXPECT_EQ(t.layoutStyle, "TableLayout");
    EXPECT_TRUE(t.scroll);
    EXPECT_EQ(t.iconName, "ev");
    EXPECT_EQ(t.iconSourcePath, "/resim/ev.png");
    EXPECT_EQ(w.project().tabs[0].title, "Tab Başlığı 1");

    w.chooseTab(3);  // beyond the listed tabs
    EXPECT_EQ(w.tabIdText(), "Tab2");
    w.chooseStartTab(2);
    w.chooseStartTab(3);
    EXPECT_EQ(w.project().startTab, 2);
    w.pickFolder();  // cancelled: keeps the folder
    EXPECT_EQ(w.project().outputFolder, "/proje");
}

TEST(TabHostForm, HelpButtonsAndTheMenuBox) {
    Desk d;
    TabHostWizard w = d.listed(1);
    w.help(TabHostWizard::Help::WindowTitle);
    EXPECT_EQ(d.s.lastMessage().text,
              "Uygulamanın başlığı ve görünen adını temsil eder,  türkçe karakterler "
              "kullanılmamalıdır");
    EXPECT_EQ(d.s.lastMessage().caption, "Yardım");
    EXPECT_EQ(d.s.lastMessage().icon, MessageIcon::Information);
    w.help(TabHostWizard::Help::Versions);
    EXPECT_EQ(d.s.lastMessage().caption, "Versiyon Yardımı");
    EXPECT_TRUE(d.s.lastMessage().text.starts_with("Detaylı Versiyon Yardımı:\r\n\r\nVersiyon:"));
    EXPECT_TRUE(d.s.lastMessage().text.ends_with(
        "Gingerberd 2.3.3 (Cep Telefonları için en uygunu)\r\nApi 11 - Honeycomb 3.0 (Tablet "
        "PC'ler için Min versiyon olarak uygun)\r\nApi 12 - Honeycomb 3.1 (Tablet PC'ler için "
        "Uygun Sürüm)\r\nApi 13 - Honeycomb 3.2 (Tablet PC'ler için en yaygın ve Güncel "
        "sürüm)\r\nApi 14 - Ice Cream Sandwich 4.0 (Yeni android sürümü)\r\nApi 15 - Ice Cream "
        "Sandwich 4.0.3 (En yeni sürüm)"));

    w.setMenuFlag(true);
    EXPECT_TRUE(w.menuDesignEnabled());
    d.menu.items[0].iconSourcePath = "/eski.png";
    w.newMenuDesign();
    EXPECT_EQ(d.menu.items[5].menuId, "zep6_menu");
    EXPECT_EQ(d.menu.items[5].title, "Menu ismi 6");
    EXPECT_EQ(d.menu.items[5].iconName, "ic_launcher");
    EXPECT_EQ(d.menu.items[0].iconSourcePath, "");
    EXPECT_EQ(d.menu.count, 0);  // the menu dialog sets the count
    w.setFullScreen(true);
    w.chooseOrientation(2);

    // The next opening starts afresh, apart from the menu records.
    TabHostWizard again = d.open();
    EXPECT_FALSE(again.project().menuFlag);
    EXPECT_FALSE(again.project().fullScreen);
    EXPECT_EQ(again.project().orientation, 0);
    EXPECT_EQ(again.project().outputFolder, "YOK");
    EXPECT_EQ(d.menu.items[5].menuId, "zep6_menu");
}

TEST(TabHostProjectWriter, TwoTabsWithoutAMenu) {
    Desk d;
    TabHostWizard w = d.listed(2);
    w.chooseTab(0);
    w.setTitle("Ana");
    w.chooseTab(1);
    w.setTitle("Ayarlar");
    w.chooseStartTab(1);
    ASSERT_TRUE(w.create().ok());
    EXPECT_TRUE(sameProjectTree(d.s.fs.filesUnder(Desk::kRoot), "tabhost/two_tabs"));
    EXPECT_EQ(d.captions(), std::vector<std::string>{"Tamam"});
    EXPECT_EQ(d.s.lastMessage().text, "Dosyalar Oluşturuldu...");
    EXPECT_EQ(d.s.opened, std::vector<std::string>{Desk::kRoot});
    // Folders first, in their order; no icon copies.
    const std::vector<std::string> firstSteps(d.s.fs.log.begin(), d.s.fs.log.begin() + 7);
    EXPECT_EQ(firstSteps, (std::vector<std::string>{
                              "mkdir /proje/Zep", "mkdir /proje/Zep/res",
                              "mkdir /proje/Zep/res/drawable-hdpi", "mkdir /proje/Zep/res/layout",
                              "mkdir /proje/Zep/src", "mkdir /proje/Zep/src/com.firma.uyg",
                              "write /proje/Zep/res/drawable-hdpi/simge_tab1.xml"}));

    // A second run into the same folder asks first; Yes replaces the tree with one that holds
    // each activity and tab spec once.
    d.s.messages.clear();
    d.s.answers.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(w.create().ok());
    EXPECT_EQ(d.s.fs.trashed, std::vector<std::string>{Desk::kRoot});
    EXPECT_EQ(d.captions(),
              (std::vector<std::string>{"Klasör Zaten Var...", "Silme işlemi", "Tamam"}));
    EXPECT_EQ(d.s.messages[0].text,
              "/proje/Zep\r\nAdlı klasör zaten mevcut, Klasörü Geri Dönüşüm Kutusuna gönderip, "
              "Dosyaları yeniden oluşturmamı istermisiniz?");
    EXPECT_EQ(d.s.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(d.s.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(d.s.messages[1].text, "Klasör silindi..");
    EXPECT_TRUE(sameProjectTree(d.s.fs.filesUnder(Desk::kRoot), "tabhost/two_tabs"));
}

TEST(TabHostProjectWriter, ThreeTabsWithEveryOptionAndALeftOverMenu) {
    Desk d;
    d.s.fs.files["/resim/ev.png"] = "ev resmi";
    d.s.fs.files["/resim/kapat.png"] = "kapat resmi";
    TabHostWizard w = d.listed(3);
    w.chooseTab(0);
    w.setIconFile("/resim/ev.png");
    w.chooseTab(1);
    w.setActivityName("AyarlarActivity");
    w.setTitle("Ayarlar");
    w.chooseLayout(2);
    w.setScroll(true);
    w.chooseTab(2);
    w.setTitle("Şehir İçi");
    w.chooseLayout(1);
    w.setIconName("harita");  // no file chosen: nothing to copy, nothing said
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
    // A design of three items saved earlier, with the menu box left unchecked.
    w.newMenuDesign();
    d.menu.count = 3;
    d.menu.items[1].title = "Çıkış";
    d.menu.items[2].iconName = "kapat";
    d.menu.items[2].iconSourcePath = "/resim/kapat.png";
    d.menu.items[4].title = "kullanilmaz";
    d.s.fs.files["/proje/Zep/res/drawable-hdpi/kapat.png"] = "eski";  // never overwritten...
    d.s.fs.folders.insert("/proje/Zep");
    d.s.fs.folders.insert("/proje/Zep/res");
    d.s.fs.folders.insert("/proje/Zep/res/drawable-hdpi");
    d.s.answers.push_back(MessageAnswer::Yes);  // ...but the old tree goes to the trash first

    ASSERT_TRUE(w.create().ok());
    EXPECT_TRUE(sameProjectTree(d.s.fs.filesUnder(Desk::kRoot), "tabhost/three_tabs_menu"));
    EXPECT_TRUE(d.s.opened.empty());
    EXPECT_EQ(d.captions(),
              (std::vector<std::string>{"Klasör Zaten Var...", "Silme işlemi", "Tamam"}));
    // Titles stay folded in memory, names do not.
    EXPECT_EQ(d.project.windowTitle, "Guzel Uygulama");
    EXPECT_EQ(d.menu.items[1].title, "Cikis");
}

TEST(TabHostProjectWriter, IconCopiesNeverOverwrite) {
    Desk d;
    d.s.fs.files["/resim/ev.png"] = "yeni";
    TabHostWizard w = d.listed(2);
    for (int k : {0, 1}) {
        w.chooseTab(k);
        w.setIconFile("/resim/ev.png");  // both tabs share one icon
    }
    ASSERT_TRUE(w.create().ok());
    EXPECT_EQ(d.s.fs.files["/proje/Zep/res/drawable-hdpi/ev.png"], "yeni");
    EXPECT_EQ(std::count_if(d.s.fs.log.begin(), d.s.fs.log.end(),
                            [](const std::string& l) { return l.starts_with("copy"); }),
              1);
    EXPECT_EQ(d.captions(), std::vector<std::string>{"Tamam"});
}

TEST(TabHostProjectWriter, CheckedMenuBoxWithoutADesignWritesAnEmptyMenu) {
    Desk d;
    TabHostWizard w = d.listed(1);
    w.setMenuFlag(true);
    ASSERT_TRUE(w.create().ok());
    const auto files = d.s.fs.filesUnder(Desk::kRoot);
    ASSERT_TRUE(files.count("res/layout/zep_menu.xml"));
    EXPECT_TRUE(test::sameText(files.at("res/layout/zep_menu.xml"),
                               test::readDataCrLf("tabhost/empty_menu/zep_menu.xml")));
    const std::string& main = files.at("src/com.firma.uyg/AnaEkran.java");
    EXPECT_NE(main.find("import android.view.MenuItem;\r\n"), std::string::npos);
    EXPECT_NE(main.find("switch (item.getItemId()) {\r\ndefault:\r\n"), std::string::npos);
    EXPECT_TRUE(main.ends_with("//Menu Olusturma kodu burada bitti\r\n}\r\n"));
}

TEST(TabHostProjectWriter, NamesAreWrittenAsTypedWhileTitlesAreFolded) {
    Desk d;
    TabHostWizard w = d.listed(1);
    w.chooseTab(0);
    w.setActivityName("ŞehirActivity");
    w.setTitle("Şehir");
    ASSERT_TRUE(w.create().ok());
    const auto files = d.s.fs.filesUnder(Desk::kRoot);
    ASSERT_TRUE(files.count("src/com.firma.uyg/ŞehirActivity.java"));
    EXPECT_NE(files.at("AndroidManifest.xml")
                  .find("\".\xDE"
                        "ehirActivity\" />\r\r\n"),
              std::string::npos);
    EXPECT_NE(files.at("res/layout/tab1_layout.xml").find("\"Sehir Sayfasi\""), std::string::npos);
}

TEST(TabHostProjectWriter, FailedChecksWriteNothingAndKeepTheDesign) {
    struct Case {
        std::string folder, package, text, caption;
    };
    for (const Case& c :
         std::vector<Case>{{"YOK", "com.example.uygulamaadiniz",
                            "Kaydedilecek Proje Klasörü seçilmemiş", "Proje Klasörü Nerede?"},
                           {"", "com.firma.uyg", "Kaydedilecek Proje Klasörü seçilmemiş",
                            "Proje Klasörü Nerede?"},
                           {"/proje", "com.example.uygulamaadiniz",
                            "Uygulama paket adınız yazılmamış", "Peket Adı Yok"}}) {
        Desk d;
        d.start.packageName = "com.example.uygulamaadiniz";  // compared with the fixed text
        TabHostWizard w = d.listed(2);
        w.chooseTab(1);
        w.setTitle("Ayarlar");
        w.setOutputFolder(c.folder);
        w.project().packageName = c.package;
        const Outcome o = w.create();
        EXPECT_EQ(o, Outcome::refused(c.text));
        ASSERT_EQ(d.s.messages.size(), 1u) << c.text;
        EXPECT_EQ(d.s.lastMessage().caption, c.caption);
        EXPECT_EQ(d.s.lastMessage().icon, MessageIcon::Error);
        EXPECT_TRUE(d.s.fs.log.empty());
        // The wizard stays open with what the user designed.
        EXPECT_TRUE(w.listed());
        EXPECT_EQ(w.tabIdText(), "Tab2");
        EXPECT_EQ(w.project().tabs[1].title, "Ayarlar");
    }
}

TEST(TabHostProjectWriter, AnExistingFolderIsKeptUnlessItReallyWentToTheTrash) {
    for (const bool trashFails : {false, true}) {
        Desk d;
        d.s.fs.folders.insert(Desk::kRoot);
        d.s.fs.files["/proje/Zep/Eski.java"] = "kullanicinin emegi";
        if (trashFails) {
            d.s.fs.trashFails.insert(Desk::kRoot);
            d.s.answers.push_back(MessageAnswer::Yes);
        }
        TabHostWizard w = d.listed(2);
        w.chooseTab(1);
        const Outcome o = w.create();
        EXPECT_FALSE(o.ok());
        EXPECT_TRUE(d.s.fs.log.empty());
        EXPECT_EQ(d.s.fs.filesUnder(Desk::kRoot),
                  (std::map<std::string, std::string>{{"Eski.java", "kullanicinin emegi"}}));
        EXPECT_TRUE(d.s.opened.empty());
        EXPECT_EQ(w.tabIdText(), "Tab2");  // still open, still designed
        if (!trashFails) {
            EXPECT_EQ(o.kind, Outcome::Kind::Cancelled);
            EXPECT_EQ(d.captions(), std::vector<std::string>{"Klasör Zaten Var..."});
        } else {
            EXPECT_EQ(o.kind, Outcome::Kind::Refused);
            EXPECT_EQ(d.captions(), (std::vector<std::string>{"Klasör Zaten Var...", "Hata"}));
            EXPECT_EQ(d.s.lastMessage().icon, MessageIcon::Error);
            EXPECT_EQ(d.s.lastMessage().text,
                      "/proje/Zep\r\nAdlı klasör Geri Dönüşüm Kutusuna gönderilemedi. Eski "
                      "dosyalarınız yerinde duruyor, hiçbir dosya yazılmadı.");
        }
    }
}

TEST(TabHostProjectWriter, NothingIsWrittenOutsideTheProjectFolder) {
    struct Case {
        const char* what;
        std::function<void(TabHostWizard&)> set;
        int writerMessages;  // files refused like ones that cannot be created
    };
    const std::vector<Case> cases = {
        {"activity", [](TabHostWizard& w) { w.setActivityName("../../../disari"); }, 1},
        {"activity dots", [](TabHostWizard& w) { w.setActivityName(".."); }, 1},
        {"empty activity", [](TabHostWizard& w) { w.setActivityName(""); }, 1},
        {"icon", [](TabHostWizard& w) { w.setIconName("../../../../disari"); }, 0},
        {"icon dots", [](TabHostWizard& w) { w.setIconFile("/resim/...png"); }, 0},
        {"package", [](TabHostWizard& w) { w.project().packageName = "../../../disari"; }, 3},
        {"package dots", [](TabHostWizard& w) { w.project().packageName = ".."; }, 3},
        {"empty package", [](TabHostWizard& w) { w.project().packageName = ""; }, 3},
        {"main activity", [](TabHostWizard& w) { w.project().mainActivity = "a/../../b"; }, 1},
    };
    for (const Case& c : cases) {
        Desk d;
        d.s.fs.files["/resim/...png"] = "resim";
        d.s.fs.files["/resim/disari.png"] = "resim";
        TabHostWizard w = d.listed(2);
        w.chooseTab(0);
        c.set(w);
        ASSERT_TRUE(w.create().ok()) << c.what;
        for (const std::string& path : d.s.attempts) {
            const std::string normal = std::filesystem::path(path).lexically_normal().string();
            EXPECT_TRUE(normal.starts_with("/proje/Zep/") || normal == "/proje/Zep")
                << c.what << ": " << path;
        }
        int writerMessages = 0;
        for (const auto& m : d.s.messages) writerMessages += m.text == kTextFileWriterError;
        EXPECT_EQ(writerMessages, c.writerMessages) << c.what;
        EXPECT_EQ(d.s.lastMessage().text, "Dosyalar Oluşturuldu...") << c.what;
        // The rest of the project is there.
        EXPECT_TRUE(d.s.fs.files.count("/proje/Zep/AndroidManifest.xml")) << c.what;
        EXPECT_TRUE(d.s.fs.files.count("/proje/Zep/res/layout/tab2_layout.xml")) << c.what;
    }
}

TEST(TabHostProjectWriter, AFileThatCannotBeWrittenIsReportedAndTheRunGoesOn) {
    Desk d;
    d.s.fs.cannotCreate.insert("/proje/Zep/res/layout/activity_main.xml");
    d.s.fs.cannotCreate.insert("/proje/Zep/src/com.firma.uyg");
    TabHostWizard w = d.listed(2);
    ASSERT_TRUE(w.create().ok());
    // The layout, then two tab activities and the main one in the missing package folder.
    EXPECT_EQ(d.captions(), (std::vector<std::string>{"Hata", "Hata", "Hata", "Hata", "Tamam"}));
    EXPECT_TRUE(d.s.fs.files.count("/proje/Zep/AndroidManifest.xml"));
}

}  // namespace
}  // namespace nakkas
