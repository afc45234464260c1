#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

TEST(DialogCli, PrintsTheFormsTextFromTheStoredDefaultsAndTheOptions) {
    CliHome home;
    CliResult r = home.run({"dialog", "Standart"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("dialog_designer/standart.txt")));

    r = home.run({"dialog", "Toast Mesaj", "--toast", "LENGTH_SHORT"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("dialog_designer/toast_short.txt")));

    // The stored Activity and icon names are the starting values; options override them.
    home.writeSettings("[Varsayilanlar]\nActivityAdi=AnaEkran\nSimgeAdi=yok_bu\n");
    r = home.run({"dialog", "Evet-Hayır", "--title=Çıkış", "--message",
                  "Emin misiniz?\nKaydedilmedi", "--button2", "Vazgeç", "--icon",
                  "R.drawable.ic_launcher"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("dialog_designer/evet_hayir_yazilan.txt")));

    r = home.run({"dialog", "Standart", "--var", "", "--activity=", "--title", ""});
    EXPECT_TRUE(sameText(r.out, readDataCrLf("dialog_designer/standart_temizlenmis.txt")));
}

TEST(DialogCli, ToastWithoutAFlagIsRefusedAndMistakesAreUsageErrors) {
    CliHome home;
    CliResult r = home.run({"dialog", "Toast Mesaj"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Toast Bayrağı parametresini seçmemişsiniz."), std::string::npos);

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"dialog"},
             {"dialog", "standart"},
             {"dialog", "Tost Mesajı"},
             {"dialog", "Toast Mesaj", "--toast", "LENGTH_MEDIUM"},
             {"dialog", "Standart", "--toast", "LENGTH_LONG"},
             {"dialog", "Standart", "--var", "a", "--var", "b"}}) {
        r = home.run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
    }
}

TEST(PrefsCli, PrintsTheCodeWithTheChosenBlocks) {
    CliHome home;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--no-read"}, "setting_saver/tamsayi_yazma.txt"},
        {{"--no-write"}, "setting_saver/tamsayi_okuma.txt"},
    };
    for (const auto& [extra, expected] : cases) {
        std::vector<std::string> args{"prefs", "--type", "Tamsayı", "--mode",
                                      "Sadece bu uygulama erişir"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(expected))) << expected;
    }
    // Both blocks, and the typed names as they are.
    const CliResult r = home.run({"prefs", "--type=Metin", "--mode=Ekleme Yapılır", "--var", "ad",
                                  "--key", "kul\"lanici", "--file", "Ayarlar"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("setting_saver/metin.txt")));
}

TEST(PrefsCli, AMissingChoiceIsRefusedAndAnUnknownEntryIsAUsageError) {
    CliHome home;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"prefs"}, {"prefs", "--type", "Metin"}, {"prefs", "--mode", "Ekleme Yapılır"}}) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 1) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Listeden bir veri türü ve Kayıt şekli seçmelisiniz"),
                  std::string::npos);
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"prefs", "--type", "tamsayı", "--mode", "Ekleme Yapılır"},
             {"prefs", "--type", "Metin", "--mode", "MODE_PRIVATE"},
             {"prefs", "fazla", "--type", "Metin", "--mode", "Ekleme Yapılır"}})
        EXPECT_EQ(home.run(args).status, 2) << args[2];
}

}  // namespace
}  // namespace nakkas::test
