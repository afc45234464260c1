#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;

TEST(DialogPrefsCli, PrintsTheCodeFromTheStoredDefaultsAndTheOptions) {
    const std::pair<Args, const char*> cases[] = {
        {{"dialog", "Standart"}, "dialog_designer/standart.txt"},
        {{"dialog", "Toast Mesaj", "--toast", "LENGTH_SHORT"}, "dialog_designer/toast_short.txt"},
        {{"dialog", "Standart", "--var", "", "--activity=", "--title", ""},
         "dialog_designer/standart_temizlenmis.txt"},
        {{"prefs", "--type", "Tamsayı", "--mode", "Sadece bu uygulama erişir", "--no-read"},
         "setting_saver/tamsayi_yazma.txt"},
        {{"prefs", "--type", "Tamsayı", "--mode", "Sadece bu uygulama erişir", "--no-write"},
         "setting_saver/tamsayi_okuma.txt"},
        {{"prefs", "--type=Metin", "--mode=Ekleme Yapılır", "--var", "ad", "--key", "kul\"lanici",
          "--file", "Ayarlar"},
         "setting_saver/metin.txt"},
        {{"dialog", "Toast Mesaj", "--toast", "LENGTH_LONG", "--lang=kotlin"},
         "kotlin/dialog_designer/toast_long.txt"},
        {{"dialog", "Evet-Hayır", "--lang", "kotlin", "--var", "cikis", "--title=Çıkış",
          "--message", "Emin misiniz?\nKaydedilmedi: \"$dosya\"", "--button1", "Evet \\ Tamam",
          "--button2", "Vazgeç", "--icon", "R.drawable.uyari"},
         "kotlin/dialog_designer/evet_hayir_yazilan.txt"},
        {{"prefs", "--lang", "kotlin", "--type", "Tamsayı", "--mode", "Sadece bu uygulama erişir",
          "--no-read"},
         "kotlin/setting_saver/tamsayi_yazma.txt"},
    };
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(expected);
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(expected)));
    }
}

// The stored language is the default; --lang overrides it.
TEST(DialogPrefsCli, TheStoredLanguageIsTheDefault) {
    const std::pair<Args, const char*> cases[] = {
        {{"dialog", "Standart"}, "kotlin/dialog_designer/standart.txt"},
        {{"dialog", "Standart", "--lang", "java"}, "dialog_designer/standart.txt"},
        {{"prefs", "--type", "Tamsayı", "--mode", "Sadece bu uygulama erişir"},
         "kotlin/setting_saver/tamsayi_ikisi.txt"},
    };
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(expected);
        FakeServices services;
        services.strings = {{{"Varsayilanlar", "CiktiDili"}, "Kotlin"}};
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(expected)));
    }
}

// The stored Activity and icon names are the starting values; options override them.
TEST(DialogPrefsCli, TheDialogStartsFromTheStoredNames) {
    FakeServices services;
    services.strings = {{{"Varsayilanlar", "ActivityAdi"}, "AnaEkran"},
                        {{"Varsayilanlar", "SimgeAdi"}, "yok_bu"}};
    const CliRun r = runCli(services, {"dialog", "Evet-Hayır", "--title=Çıkış", "--message",
                                       "Emin misiniz?\nKaydedilmedi", "--button2", "Vazgeç",
                                       "--icon", "R.drawable.ic_launcher"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("dialog_designer/evet_hayir_yazilan.txt")));
}

TEST(DialogPrefsCli, RefusalsExitOneWithTheFormsMessage) {
    const std::string choice = "Listeden bir veri türü ve Kayıt şekli seçmelisiniz";
    const std::pair<Args, std::string> cases[] = {
        {{"dialog", "Toast Mesaj"}, "Toast Bayrağı parametresini seçmemişsiniz."},
        {{"prefs"}, choice},
        {{"prefs", "--type", "Metin"}, choice},
        {{"prefs", "--mode", "Ekleme Yapılır"}, choice},
    };
    for (const auto& [args, message] : cases) {
        FakeServices services;
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 1) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(services.lastMessage().text, message) << args.back();
    }
}

TEST(DialogPrefsCli, MistakesAreUsageErrors) {
    const Args cases[] = {
        {"dialog"},
        {"dialog", "standart"},
        {"dialog", "Tost Mesajı"},
        {"dialog", "Toast Mesaj", "--toast", "LENGTH_MEDIUM"},
        {"dialog", "Standart", "--toast", "LENGTH_LONG"},
        {"dialog", "Standart", "--var", "a", "--var", "b"},
        {"prefs", "--type", "tamsayı", "--mode", "Ekleme Yapılır"},
        {"prefs", "--type", "Metin", "--mode", "MODE_PRIVATE"},
    };
    for (const Args& args : cases) {
        FakeServices services;
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_TRUE(r.err.starts_with("nakkas-cli " + args[0] + ": ")) << r.err;
        EXPECT_TRUE(services.messages.empty()) << args.back();
    }
}

}  // namespace
}  // namespace nakkas::test
