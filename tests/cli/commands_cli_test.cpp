// The commands in this process: their options and the stored values reach their tools, a refusal
// exits 1 with the tool's own message, a mistake on the command line exits 2 before any tool runs,
// and what some commands do besides printing. The texts and the tools' rules are the core's tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "cli_runner.h"
#include "expected_files.h"
#include "project_tree.h"

namespace nakkas::test {
namespace {

// What is printed is the tool's text whole, as the panel would get it: an expected ".bytes" file
// as stored, any other with CR LF. Notes go to standard error so that the text stays exact.
TEST(CommandsCli, EachCommandPrintsItsToolsWholeTextForItsOptionsAndStoredValues) {
    const std::string repeated = "Tekrarlanan 1 id atlandı; her id ilk geçtiği yerde listelenir.\n";
    const struct {
        std::string expected, line;
        std::map<std::string, std::string> stored = {};
    } cases[] = {
        {"kotlin/objects/ListView_kacis.kt",
         "object ListView --lang=kotlin --access private --var list_degisken1 --item Ali~\"Veli\" "
         "--item C:\\yol --item $fiyat~TL --item ${x} --item Şeker"},
        // Found by label; the stored language gives way to the option.
        {"snippets/KP_BARKOD.txt",
         "snippet Yazıtipi~Değiştirme --lang=java",
         {{"CiktiDili", "Kotlin"}}},
        {"dialog_designer/toast_short.txt", "dialog Toast~Mesaj --toast LENGTH_SHORT"},
        {"dialog_designer/standart_temizlenmis.txt",
         "dialog Standart --var '' --activity= --title ''"},
        // The stored names are the starting values; an option overrides them.
        {"dialog_designer/evet_hayir_yazilan.txt",
         "dialog Evet-Hayır --title=Çıkış --message Emin~misiniz?\nKaydedilmedi --button2 Vazgeç "
         "--icon R.drawable.ic_launcher",
         {{"ActivityAdi", "AnaEkran"}, {"SimgeAdi", "yok_bu"}}},
        {"kotlin/dialog_designer/evet_hayir_yazilan.txt",
         "dialog Evet-Hayır --lang kotlin --var cikis --title=Çıkış --message "
         "Emin~misiniz?\nKaydedilmedi:~\"$dosya\" --button1 Evet~\\~Tamam --button2 Vazgeç "
         "--icon R.drawable.uyari"},
        {"setting_saver/tamsayi_yazma.txt",
         "prefs --type Tamsayı --mode Sadece~bu~uygulama~erişir --no-read"},
        {"setting_saver/tamsayi_okuma.txt",
         "prefs --type Tamsayı --mode Sadece~bu~uygulama~erişir --no-write"},
        {"setting_saver/metin.txt",
         "prefs --type=Metin --mode=Ekleme~Yapılır --var ad --key kul\"lanici --file Ayarlar"},
        {"kotlin/setting_saver/tamsayi_ikisi.txt",
         "prefs --lang kotlin --type Tamsayı --mode Sadece~bu~uygulama~erişir"},
        {"menu_designer/empty_and_quoted_titles.txt",
         "menu --title '' --title=Sil~\"hepsi\" --lang=java"},
        {"kotlin/menu_designer/six_items.txt",
         "menu --title Menu~ismi~1 --title Menu~ismi~2 --title Menu~ismi~3 --title Menu~ismi~4 "
         "--title Menu~ismi~5 --title Çıkış",
         {{"SimgeAdi", "menu_simge"}, {"CiktiDili", "Kotlin"}}},
        {"layout_to_code/ana_ekran_camel_bos.txt",
         "layout @layout_to_code/sample/ana_ekran.xml --style camel --access=--Boş-- "
         "--no-listener"},
        {"layout_to_code/ana_ekran_liste.txt",
         "layout @layout_to_code/sample/ana_ekran.xml --style=m --only android:list --only "
         "spn_sehir --skip spn_sehir"},
        {"kotlin/layout_to_code/ana_ekran_m_static.kt",
         "layout @layout_to_code/sample/ana_ekran.xml --lang kotlin --style m --access static "
         "--only btn_kaydet --only android:list --only progress_yukleme"},
        // Each press in command-line order, across the groups.
        {"sqlite_tool/cli_commands.txt",
         "sqlite-commands --column id:pk --column ad:TEXT --column tel:TEXT --table Kisiler "
         "--update-edit ad=editText1 --insert ad=adKutusu --update tel=telefon --no-insert-notify "
         "--delete"},
        {"kotlin/sqlite_tool/cli_commands.txt",
         "sqlite-commands --lang=kotlin --column id:pk --column ad:TEXT --column tel:TEXT "
         "--update-edit ad=editText1 --insert-edit ad=editText2 --update tel=telefon "
         "--no-insert-notify --delete"},
        // A stored version that is not listed selects none.
        {"sqlite_tool/key_second_no_version_class.bytes",
         "sqlite-helper --column ad:TEXT:unique:notnull --column no:pk --package= --db Okul.db "
         "--table Dersler",
         {{"VTVersiyon", "7"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        FakeServices services = storing(c.stored);
        const CliRun r = runCli(services, words(c.line));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, c.line.starts_with("layout") ? repeated : "");
        EXPECT_TRUE(sameText(r.out, c.expected.ends_with(".bytes") ? readData(c.expected)
                                                                   : readDataCrLf(c.expected)));
    }
}

// A refusal exits 1 with the message the window's box shows; a mistake on the command line exits
// 2 before any tool runs, naming the command (and what is wrong, where given) on standard error, so
// no box was shown. Either way nothing is printed and no file is written.
TEST(CommandsCli, RefusalsExitOneAndMistakesExitTwoWritingNothing) {
    const std::string count = "Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır.";
    std::vector<std::tuple<int, std::string, std::string>> cases = {
        {1, "object ListView --item a --item ''",
         "Yazı kutusu boş, listeye eklenecek elemanı yazın"},
        {1, "dialog Toast~Mesaj", "Toast Bayrağı parametresini seçmemişsiniz."},
        {1, "prefs --type Metin", "Listeden bir veri türü ve Kayıt şekli seçmelisiniz"},
        {1, "menu", count},
        {1, "menu --title=1 --title=2 --title=3 --title=4 --title=5 --title=6 --title=7", count},
        {1, "layout @layout_to_code/sample/ana_ekran.xml --only btn_yok",
         "Layout'ta böyle bir id yok: btn_yok"},
        {1, "layout @layout_to_code/eksik/ekran.xml --skip ses_duzeyi", "Kod üretmek için"},
        {1, "sqlite-helper", "Listede hiç"},
        {1, "sqlite-helper --column :TEXT", "Hücre adı boş"},
        {1, "sqlite-helper --column a:pk --column b:pk", "Birincil anahtar zaten"},
        {1, "sqlite-helper --column a:TEXT --output /yok/klasor/D.java", "Dosya oluş"},
        {1, "sqlite-commands --column ad:TEXT --delete", "Sil örneklemesi"},
        {1, "sqlite-commands --column ad:TEXT --insert ad=", "Kullanılacak hücre"},
        {1, "tabhost --out /proje", "Uygulama paket adınız"},
        {1, "tabhost --out /proje --package com.a --tabs 7", "Girilecek sayı 1 ile 6"},
        {2, "object TabHost", "\"nakkas-cli tabhost\""},
        {2, "object ListBox", "bilinmeyen nesne: ListBox"},
        {2, "object Button --access Final", "bilinmeyen erişim belirteci: Final"},
        {2, "object Button --item a", "--item yalnızca"},
        {2, "object Button --id=a --id=a", "--id bir kez verilebilir"},
        {2, "snippet", "kod parçası adı eksik"},
        {2, "snippet Barkod",
         "bilinmeyen kod parçası: Barkod\n(liste için: nakkas-cli snippet --list)"},
        {2, "snippet --list KPBtn01", "--list ile birlikte ad verilmez"},
        {2, "tabhost --package com.a", "--out"}};
    for (const char* line :
         {"dialog", "dialog standart", "dialog Toast~Mesaj --toast LENGTH_MEDIUM",
          "dialog Standart --toast LENGTH_LONG", "prefs --type tamsayı --mode Ekleme~Yapılır",
          "prefs --type Metin --mode MODE_PRIVATE", "layout", "sqlite-helper --column ad",
          "sqlite-helper --column ad:text", "sqlite-helper --column id:pk:notnull",
          "sqlite-commands --column a:TEXT --insert yok=x",
          "sqlite-commands --column a:TEXT --show a"})
        cases.emplace_back(2, line, "");
    // Each Tab Host value that is not valid, given beside the required options.
    for (const char* more : {"--tab 2:title=x", "--tab 1:layout=GridLayout", "--tab 1:renk=mavi",
                             "--tab 1:icon=/yok.png", "--orientation 3", "--lifecycle onCreate",
                             "--target-sdk 16", "--menu-icon 1=/yok.png"})
        cases.emplace_back(2, "tabhost --out /proje --package com.a " + std::string(more), "");
    for (const auto& [status, line, message] : cases) {
        SCOPED_TRACE(line);
        FakeServices services;
        services.fs.folders.insert("/proje");
        const Args args = words(line);
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(services.fs.files.empty());
        if (status == 1) {
            EXPECT_TRUE(services.lastMessage().text.starts_with(message))
                << services.lastMessage().text;
            continue;
        }
        EXPECT_TRUE(r.err.starts_with("nakkas-cli " + args[0] + ": ")) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_TRUE(services.messages.empty());
    }
}

// One line per snippet in ribbon order: the element, a tab, the label.
TEST(CommandsCli, TheSnippetListGivesElementTabLabelPerLine) {
    const CliRun r = runCli({"snippet", "--list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("KPBtn01\tTam Ekran\nKPBtn02\tYatay Dikey\n")) << r.out;
    EXPECT_EQ(std::ranges::count(r.out, '\n'), 21);
}

// The helper goes to the file in its language's own bytes from the writer, and nothing is printed.
TEST(SqliteCli, TheHelperIsWrittenInItsLanguagesOwnBytes) {
    for (const auto& [lang, file, expected] :
         {std::tuple{"java", "/ev/DatabaseHelper.java", "sqlite_tool/ogrenciler_saved.bytes"},
          std::tuple{"kotlin", "/ev/DatabaseHelper.kt",
                     "kotlin/sqlite_tool/ogrenciler_saved.kt"}}) {
        SCOPED_TRACE(lang);
        FakeServices services;
        services.fs.folders.insert("/ev");
        const CliRun r = runCli(
            services, words(std::string("sqlite-helper --lang ") + lang +
                            " --column numara:pk --column adı:TEXT:notnull --column=şube:TEXT "
                            "--package com.zep.okul --db Okul€.db --table Öğrenciler --db-version "
                            "3 --output " +
                            file));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(sameText(services.fs.files[file], readData(expected)));
    }
}

// A table SQLite refuses is printed with a warning, or refused with --check.
TEST(SqliteCli, ATableSqliteRefusesIsWarnedOfOrRefusedWithCheck) {
    const std::string warning = "SQLite bu tabloyu kabul etmiyor: near \"order\"";
    const std::tuple<const char*, int, bool> cases[] = {
        {"--column order:TEXT", 0, true},
        {"--column ad:TEXT --check", 0, false},
        {"--column order:TEXT --check --output /ev/DatabaseHelper.java", 1, true},
    };
    for (const auto& [options, status, warned] : cases) {
        SCOPED_TRACE(options);
        FakeServices services;
        services.fs.folders.insert("/ev");
        const CliRun r = runCli(services, words(std::string("sqlite-helper ") + options));
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out.empty(), status == 1);
        EXPECT_EQ(r.err.substr(0, warned ? warning.size() : std::string::npos),
                  warned ? warning : "");
        EXPECT_TRUE(services.fs.files.empty());
    }
}

const std::string kEveryOption =
    "--out /proje --package com.firma.uyg --activity AnaEkran --tabs 3 --tab 1:icon=/proje/ev.png "
    "--tab 2:activity=AyarlarActivity --tab=2:title=Ayarlar --tab 2:layout=TableLayout "
    "--tab 2:scroll=1 --tab 3:layout=RelativeLayout --tab 3:iconname=harita --start 3 "
    "--fullscreen --orientation 2 --lifecycle onDestroy --lifecycle onStop --lifecycle "
    "onStart --min-sdk 9 --target-sdk 15 --app-id Uyg --menu-icon 3=/proje/kapat.png --tab "
    "3:title=Şehir~İçi --window-title Güzel~Uygulama --menu-title Menu~ismi~1 --menu-title "
    "Çıkış --menu-title Menu~ismi~3";

// Every option reaches the project. The user's own file is kept without --replace, and trashed
// with the tree with it.
TEST(TabHostCli, EveryOptionReachesTheProjectWhichIsReplacedOnlyWhenAsked) {
    FakeServices s;
    s.fs.folders.insert("/proje");
    s.fs.files["/proje/ev.png"] = "ev resmi";
    s.fs.files["/proje/kapat.png"] = "kapat resmi";
    const auto tabhost = [&](const std::string& more) {
        return runCli(s, words("tabhost " + kEveryOption + more));
    };
    CliRun r = tabhost("");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "/proje/Zep\n");
    EXPECT_TRUE(sameProjectTree(s.fs.filesUnder("/proje/Zep"), "tabhost/three_tabs_menu"));
    EXPECT_TRUE(s.opened.empty());
    s.fs.files["/proje/Zep/not.txt"] = "benim";

    r = tabhost("");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(s.lastMessage().text.find("Adlı klasör zaten mevcut"), std::string::npos);
    EXPECT_EQ(r.err,
              "Var olan klasörü çöp kutusuna gönderip yeniden yazmak için --replace verin.\n");
    EXPECT_TRUE(s.fs.exists("/proje/Zep/not.txt"));

    r = tabhost(" --replace --open --lang kotlin");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameProjectTree(s.fs.filesUnder("/proje/Zep"), "kotlin/tabhost/three_tabs_menu"));
    EXPECT_EQ(s.fs.trashed, std::vector<std::string>{"/proje/Zep"});
    EXPECT_EQ(s.opened, std::vector<std::string>{"/proje/Zep"});
}

}  // namespace
}  // namespace nakkas::test
