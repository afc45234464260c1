#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"
#include "project_tree.h"
#include "tools/sqlite_tool/text_file_writer.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {
namespace {

using test::sameProjectTree;
using Strings = std::vector<std::string>;

// Keeps every path the writer tries to create, whether the file system lets it or not.
struct RecordingServices : test::FakeServices {
    using S = std::string;
    Strings attempts;
    bool note(const S& path) { return attempts.push_back(path), true; }
    bool createFolder(const S& p) override { return note(p) && FakeServices::createFolder(p); }
    bool writeFile(const S& p, const S& b) override {
        return note(p) && FakeServices::writeFile(p, b);
    }
    bool copyFileNoOverwrite(const S& source, const S& target) override {
        return note(target) && FakeServices::copyFileNoOverwrite(source, target);
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
    Strings captions() const {
        Strings out;
        for (const auto& m : s.messages) out.push_back(m.caption);
        return out;
    }
    std::map<std::string, std::string> tree() const { return s.fs.filesUnder(kRoot); }
};

void expectSaid(const test::MessageScript::Message& m, const std::string& text,
                const std::string& caption, MessageIcon icon) {
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.caption, caption);
    EXPECT_EQ(m.icon, icon);
}

const std::string kExists = "Klasör Zaten Var...";

TEST(TabHostTexts, FoldingPortraitLinesAndFolders) {
    EXPECT_EQ(foldTurkish("ÇĞÜŞÖİçğüşöı Başlığı"), "CGUSOIcgusoi Basligi");
    EXPECT_EQ(foldTurkish("âéÄ ß \"x\" \r\n"), "âéÄ ß \"x\" \r\n");
    // The project trees cover no orientation and landscape.
    const TabRecord tab{"Tab1Activity", "Ana", "ic_launcher"};
    EXPECT_NE(mainActivity({.packageName = "com.a",
                            .activityName = "AnaEkran",
                            .tabs = std::span(&tab, 1),
                            .orientation = 1})
                  .find("setContentView(R.layout.activity_main);\n"
                        "Oryantasyon = ActivityInfo.SCREEN_ORIENTATION_PORTRAIT;\n"
                        "setRequestedOrientation(Oryantasyon);\nTabHost tabHost = getTabHost();\n"),
              std::string::npos);
    const ProjectFolders f = projectFolders("/home/ali/Proje/", "com.firma.uyg");
    EXPECT_EQ(f.root, "/home/ali/Proje/Zep");
    EXPECT_EQ(f.package, "/home/ali/Proje/Zep/src/com.firma.uyg");
}

TEST(TabHostForm, ListingFixesTheCountAndResetsAllSixTabs) {
    Desk d;
    d.project.tabs[4].title = "eski";
    TabHostWizard w = d.open();
    EXPECT_EQ(w.project().packageName, "com.firma.uyg");
    EXPECT_EQ(w.project().outputFolder, "YOK");
    EXPECT_EQ(w.tabIdText(), "YOK");
    for (const std::string bad : {" 3", "03", "0", "7", "", "2 ", "+2", "٢"}) {
        SCOPED_TRACE(bad);
        w.tabCountText = bad;
        EXPECT_FALSE(w.list().ok());
        expectSaid(d.s.lastMessage(), "Girilecek sayı 1 ile 6 arasında olmalıdır", "Hata",
                   MessageIcon::Error);
        EXPECT_TRUE(w.tabLines().empty());
    }
    w.chooseTab(0);  // nothing to choose before listing
    EXPECT_FALSE(w.tabFieldsEnabled());

    d.s.messages.clear();
    w.tabCountText = "2";
    ASSERT_TRUE(w.list().ok());
    EXPECT_EQ(w.tabLines(), (Strings{"Tab1", "Tab2"}));
    EXPECT_TRUE(d.s.messages.empty());
    for (int k = 1; k <= 6; ++k) {
        const TabRecord& t = w.project().tabs[size_t(k - 1)];
        EXPECT_EQ(t.activityName + "|" + t.title + "|" + t.iconName + "|" + t.iconSourcePath + "|" +
                      t.layoutStyle + "|" + std::to_string(t.scroll),
                  "Tab" + std::to_string(k) + "Activity|Tab Başlığı " + std::to_string(k) +
                      "|ic_launcher|YOK|LinearLayout|0");
    }
    w.tabCountText = "5";
    EXPECT_FALSE(w.list().ok());  // fixed for this opening
    EXPECT_EQ(w.project().tabCount, 2);
    EXPECT_FALSE(w.tabFieldsEnabled() || w.menuDesignEnabled());
}

TEST(TabHostForm, EditsGoToTheChosenTabHelpAndTheMenuBox) {
    Desk d;
    TabHostWizard w = d.listed(3);
    w.chooseTab(1);
    EXPECT_EQ(w.tabIdText() + "|" + w.serialText(), "Tab2|1");
    w.setTitle("Ayarlar");
    w.chooseLayout(2);
    w.setScroll(true);
    d.s.openFiles.push_back(OpenedFile{"/resim/ev.png", "ev.png"});
    w.pickIcon();
    EXPECT_EQ(d.s.dialogs.back().title, "Tab Host için Simge Dosyası Seçin");
    EXPECT_EQ(d.s.dialogs.back().filter, "PNG Simge Dosyası (*.png)|*.png|");
    w.pickIcon();  // cancelled: nothing changes
    const TabRecord& t = w.project().tabs[1];
    EXPECT_EQ(t.title + "|" + t.layoutStyle + "|" + t.iconName + "|" + t.iconSourcePath,
              "Ayarlar|TableLayout|ev|/resim/ev.png");
    EXPECT_TRUE(t.scroll);
    EXPECT_EQ(w.project().tabs[0].title, "Tab Başlığı 1");
    w.chooseTab(3);  // beyond the listed tabs
    EXPECT_EQ(w.tabIdText(), "Tab2");
    w.chooseStartTab(2);
    w.chooseStartTab(3);
    EXPECT_EQ(w.project().startTab, 2);
    w.pickFolder();  // cancelled: keeps the folder
    EXPECT_EQ(w.project().outputFolder, "/proje");

    w.help(TabHostWizard::Help::WindowTitle);
    expectSaid(d.s.lastMessage(),
               "Uygulamanın başlığı ve görünen adını temsil eder,  türkçe karakterler "
               "kullanılmamalıdır",
               "Yardım", MessageIcon::Information);
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
    w.newMenuDesign();  // the shared reset, then no icon files
    EXPECT_EQ(d.menu.items[0].iconSourcePath, "");
    EXPECT_EQ(d.menu.count, 0);  // the menu dialog sets the count
    w.setFullScreen(true);
    w.chooseOrientation(2);
    // The next opening starts afresh, apart from the menu records.
    TabHostWizard again = d.open();
    EXPECT_FALSE(again.project().menuFlag || again.project().fullScreen);
    EXPECT_EQ(again.project().orientation, 0);
    EXPECT_EQ(again.project().outputFolder, "YOK");
    EXPECT_EQ(d.menu.items[5].title, "Menu ismi 6");
}

TEST(TabHostProjectWriter, TwoTabsWithoutAMenuAndAgainWithYes) {
    Desk d;
    TabHostWizard w = d.listed(2);
    w.chooseTab(0);
    w.setTitle("Ana");
    w.chooseTab(1);
    w.setTitle("Ayarlar");
    w.chooseStartTab(1);
    ASSERT_TRUE(w.create().ok());
    EXPECT_TRUE(sameProjectTree(d.tree(), "tabhost/two_tabs"));
    ASSERT_EQ(d.s.messages.size(), 1u);
    expectSaid(d.s.lastMessage(), "Dosyalar Oluşturuldu...", "Tamam", MessageIcon::Information);
    EXPECT_EQ(d.s.opened, Strings{Desk::kRoot});

    // A second run asks first; Yes replaces the tree with one that holds each thing once.
    d.s.messages.clear();
    d.s.answers.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(w.create().ok());
    EXPECT_EQ(d.s.fs.trashed, Strings{Desk::kRoot});
    EXPECT_EQ(d.captions(), (Strings{kExists, "Silme işlemi", "Tamam"}));
    expectSaid(d.s.messages[0],
               "/proje/Zep\r\nAdlı klasör zaten mevcut, Klasörü Geri Dönüşüm Kutusuna gönderip, "
               "Dosyaları yeniden oluşturmamı istermisiniz?",
               kExists, MessageIcon::Warning);
    EXPECT_EQ(d.s.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(d.s.messages[1].text, "Klasör silindi..");
    EXPECT_TRUE(sameProjectTree(d.tree(), "tabhost/two_tabs"));
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

    ASSERT_TRUE(w.create().ok());
    EXPECT_TRUE(sameProjectTree(d.tree(), "tabhost/three_tabs_menu"));
    EXPECT_TRUE(d.s.opened.empty());
    EXPECT_EQ(d.captions(), Strings{"Tamam"});
    // Titles stay folded in memory, names do not.
    EXPECT_EQ(d.project.windowTitle, "Guzel Uygulama");
    EXPECT_EQ(d.menu.items[1].title, "Cikis");
}

TEST(TabHostProjectWriter, EmptyMenuAndNamesWrittenAsTypedWhileTitlesAreFolded) {
    Desk d;
    TabHostWizard w = d.listed(1);
    w.setMenuFlag(true);  // checked without a design
    w.chooseTab(0);
    w.setActivityName("ŞehirActivity");
    w.setTitle("Şehir");
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
    EXPECT_NE(files.at("res/layout/tab1_layout.xml").find("\"Sehir Sayfasi\""), std::string::npos);
}

TEST(TabHostProjectWriter, RefusalsWriteNothingAndKeepTheWizardAsItWas) {
    const std::string noFolder = "Kaydedilecek Proje Klasörü seçilmemiş", ok = "com.firma.uyg";
    const std::string example = "com.example.uygulamaadiniz", where = "Proje Klasörü Nerede?";
    const std::string noPackage = "Uygulama paket adınız yazılmamış";
    const std::string trashFailed =
        "/proje/Zep\r\nAdlı klasör Geri Dönüşüm Kutusuna gönderilemedi. Eski dosyalarınız "
        "yerinde duruyor, hiçbir dosya yazılmadı.";
    // An old tree is there each time; only the last case answers Yes, and its trash fails.
    const std::vector<std::tuple<std::string, std::string, bool, Outcome, Strings>> cases = {
        {"YOK", example, false, Outcome::refused(noFolder), {where}},
        {"", ok, false, Outcome::refused(noFolder), {where}},
        {"/proje", example, false, Outcome::refused(noPackage), {"Peket Adı Yok"}},
        {"/proje", ok, false, Outcome::cancelled(), {kExists}},
        {"/proje", ok, true, Outcome::refused(trashFailed), {kExists, "Hata"}}};
    for (const auto& [folder, package, yes, outcome, captions] : cases) {
        SCOPED_TRACE(captions.back() + " " + folder + " " + package);
        Desk d;
        d.start.packageName = example;  // compared with the fixed text
        d.s.fs.folders.insert(Desk::kRoot);
        d.s.fs.files["/proje/Zep/Eski.java"] = "kullanicinin emegi";
        d.s.fs.trashFails.insert(Desk::kRoot);
        if (yes) d.s.answers.push_back(MessageAnswer::Yes);
        TabHostWizard w = d.listed(2);
        w.chooseTab(1);
        w.setTitle("Ayarlar");
        w.setOutputFolder(folder);
        w.project().packageName = package;
        EXPECT_EQ(w.create(), outcome);
        EXPECT_EQ(d.captions(), captions);
        if (outcome.kind == Outcome::Kind::Refused)
            expectSaid(d.s.lastMessage(), outcome.message, captions.back(), MessageIcon::Error);
        EXPECT_TRUE(d.s.fs.log.empty());
        EXPECT_EQ(d.tree(),
                  (std::map<std::string, std::string>{{"Eski.java", "kullanicinin emegi"}}));
        EXPECT_TRUE(d.s.opened.empty());
        // The wizard stays open with what the user designed.
        EXPECT_TRUE(w.listed());
        EXPECT_EQ(w.tabIdText() + "|" + w.project().tabs[1].title, "Tab2|Ayarlar");
    }
}

TEST(TabHostProjectWriter, NothingIsWrittenOutsideTheProjectFolder) {
    using Set = std::function<void(TabHostWizard&)>;
    const auto activity = [](std::string n) -> Set {
        return [n](TabHostWizard& w) { w.setActivityName(n); };
    };
    const auto package = [](std::string n) -> Set {
        return [n](TabHostWizard& w) { w.project().packageName = n; };
    };
    // Refused files are reported like ones that cannot be created.
    const std::vector<std::tuple<const char*, Set, int>> cases = {
        {"activity", activity("../../../disari"), 1},
        {"activity dots", activity(".."), 1},
        {"empty activity", activity(""), 1},
        {"icon", [](TabHostWizard& w) { w.setIconName("../../../../disari"); }, 0},
        {"icon dots", [](TabHostWizard& w) { w.setIconFile("/resim/...png"); }, 0},
        {"package", package("../../../disari"), 3},
        {"package dots", package(".."), 3},
        {"empty package", package(""), 3},
        {"main activity", [](TabHostWizard& w) { w.project().mainActivity = "a/../../b"; }, 1},
    };
    for (const auto& [what, set, writerMessages] : cases) {
        SCOPED_TRACE(what);
        Desk d;
        d.s.fs.files["/resim/...png"] = "resim";
        d.s.fs.files["/resim/disari.png"] = "resim";
        TabHostWizard w = d.listed(2);
        w.chooseTab(0);
        set(w);
        ASSERT_TRUE(w.create().ok());
        for (const std::string& path : d.s.attempts) {
            const std::string normal = std::filesystem::path(path).lexically_normal().string();
            EXPECT_TRUE(normal.starts_with("/proje/Zep/") || normal == "/proje/Zep") << path;
        }
        EXPECT_EQ(std::ranges::count(d.s.messages, kTextFileWriterError,
                                     &test::MessageScript::Message::text),
                  writerMessages);
        EXPECT_EQ(d.s.lastMessage().text, "Dosyalar Oluşturuldu...");
        // The rest of the project is there.
        EXPECT_TRUE(d.s.fs.files.count("/proje/Zep/AndroidManifest.xml"));
        EXPECT_TRUE(d.s.fs.files.count("/proje/Zep/res/layout/tab2_layout.xml"));
    }
}

TEST(TabHostProjectWriter, SharedIconsAreCopiedOnceAndFailedWritesAreReported) {
    Desk d;
    d.s.fs.files["/resim/ev.png"] = "yeni";
    d.s.fs.cannotCreate.insert("/proje/Zep/res/layout/activity_main.xml");
    d.s.fs.cannotCreate.insert("/proje/Zep/src/com.firma.uyg");
    TabHostWizard w = d.listed(2);
    for (int k : {0, 1}) {
        w.chooseTab(k);
        w.setIconFile("/resim/ev.png");
    }
    ASSERT_TRUE(w.create().ok());
    EXPECT_EQ(d.s.fs.files["/proje/Zep/res/drawable-hdpi/ev.png"], "yeni");
    EXPECT_EQ(std::ranges::count_if(d.s.fs.log, [](auto& l) { return l.starts_with("copy"); }), 1);
    // The layout, then two tab activities and the main one in the missing package folder.
    EXPECT_EQ(d.captions(), (Strings{"Hata", "Hata", "Hata", "Hata", "Tamam"}));
    EXPECT_TRUE(d.s.fs.files.count("/proje/Zep/AndroidManifest.xml"));
}

}  // namespace
}  // namespace nakkas
