#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

TEST(DialogPrefsCli, PrintsTheCodeFromTheStoredDefaultsAndTheOptions) {
    struct Case {
        std::vector<std::string> args;
        const char* expected;
        const char* settings = nullptr;
    };
    const std::vector<Case> cases{
        {{"dialog", "Standart"}, "dialog_designer/standart.txt"},
        {{"dialog", "Toast Mesaj", "--toast", "LENGTH_SHORT"}, "dialog_designer/toast_short.txt"},
        {{"dialog", "Standart", "--var", "", "--activity=", "--title", ""},
         "dialog_designer/standart_temizlenmis.txt"},
        // The stored Activity and icon names are the starting values; options override them.
        {{"dialog", "Evet-Hayır", "--title=Çıkış", "--message", "Emin misiniz?\nKaydedilmedi",
          "--button2", "Vazgeç", "--icon", "R.drawable.ic_launcher"},
         "dialog_designer/evet_hayir_yazilan.txt",
         "[Varsayilanlar]\nActivityAdi=AnaEkran\nSimgeAdi=yok_bu\n"},
        {{"prefs", "--type", "Tamsayı", "--mode", "Sadece bu uygulama erişir", "--no-read"},
         "setting_saver/tamsayi_yazma.txt"},
        {{"prefs", "--type", "Tamsayı", "--mode", "Sadece bu uygulama erişir", "--no-write"},
         "setting_saver/tamsayi_okuma.txt"},
        {{"prefs", "--type=Metin", "--mode=Ekleme Yapılır", "--var", "ad", "--key", "kul\"lanici",
          "--file", "Ayarlar"},
         "setting_saver/metin.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        CliHome home;
        if (c.settings) home.writeSettings(c.settings);
        const CliResult r = home.run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(c.expected)));
    }
}

TEST(DialogPrefsCli, RefusalsExitOneWithTheirMessageAndMistakesAreUsageErrors) {
    const std::string toast = "Toast Bayrağı parametresini seçmemişsiniz.";
    const std::string choice = "Listeden bir veri türü ve Kayıt şekli seçmelisiniz";
    // The message of a refusal; none for a usage error.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"dialog", "Toast Mesaj"}, toast},
        {{"prefs"}, choice},
        {{"prefs", "--type", "Metin"}, choice},
        {{"prefs", "--mode", "Ekleme Yapılır"}, choice},
        {{"dialog"}, ""},
        {{"dialog", "standart"}, ""},
        {{"dialog", "Tost Mesajı"}, ""},
        {{"dialog", "Toast Mesaj", "--toast", "LENGTH_MEDIUM"}, ""},
        {{"dialog", "Standart", "--toast", "LENGTH_LONG"}, ""},
        {{"dialog", "Standart", "--var", "a", "--var", "b"}, ""},
        {{"prefs", "--type", "tamsayı", "--mode", "Ekleme Yapılır"}, ""},
        {{"prefs", "--type", "Metin", "--mode", "MODE_PRIVATE"}, ""},
    };
    CliHome home;
    for (const auto& [args, message] : cases) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, message.empty() ? 2 : 1) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find(message), std::string::npos) << args.back();
    }
}

}  // namespace
}  // namespace nakkas::test
