#include <gtest/gtest.h>

#include "cli_runner.h"

namespace nakkas::test {
namespace {

// What the settings file holds and how a broken one reads are the executable's tests; here the
// listing of what the store gives.
TEST(DefaultsCli, ListsTheSevenValuesWithLineBreaksEscaped) {
    FakeServices services;
    services.strings = {{{"Varsayilanlar", "ActivityAdi"}, ""},
                        {{"Varsayilanlar", "PaketAdi"}, "com.ornek.app"},
                        {{"Varsayilanlar", "Veritabani"}, "C:\\yol\r\n.db"},
                        {{"Varsayilanlar", "TabloAdi"}, "x\nKodPaneli=EVET"},
                        {{"Varsayilanlar", "KodPaneli"}, "Ağaçİşleri"}};
    const CliRun r = runCli(services, {"defaults"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "ActivityAdi=\n"
              "PaketAdi=com.ornek.app\n"
              "SimgeAdi=ic_launcher\n"
              "Veritabani=C:\\\\yol\\r\\n.db\n"
              "TabloAdi=x\\nKodPaneli=EVET\n"
              "VTVersiyon=2\n"
              "KodPaneli=Ağaçİşleri\n"
              "CiktiDili=Java\n");
}

// The output language as the program reads it: only the exact "Kotlin" is Kotlin.
TEST(DefaultsCli, ListsTheOutputLanguageAsRead) {
    for (const auto& [stored, shown] :
         {std::pair{"Kotlin", "CiktiDili=Kotlin\n"}, std::pair{"kotlin", "CiktiDili=Java\n"},
          std::pair{"Swift", "CiktiDili=Java\n"}}) {
        FakeServices services;
        services.strings = {{{"Varsayilanlar", "CiktiDili"}, stored}};
        const CliRun r = runCli(services, {"defaults"});
        EXPECT_TRUE(r.out.ends_with(shown)) << stored;
    }
}

}  // namespace
}  // namespace nakkas::test
