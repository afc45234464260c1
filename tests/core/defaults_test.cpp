#include "app/defaults.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;

TEST(Defaults, EmptyStoreGivesTheFactoryValuesAndLoadingNeverWrites) {
    FakeServices s;
    s.strings[{"Baska", "SimgeAdi"}] = "yanlis_bolum";  // another section is not read
    const Defaults factory{"MainActivity", "com.example.uygulamaadiniz",
                           "ic_launcher",  "Veritabanim.db",
                           "TabloAdim",    "2",
                           "HAYIR"};
    EXPECT_EQ(Defaults::load(s), factory);
    EXPECT_EQ(Defaults::factory(), factory);
    EXPECT_TRUE(s.writeLog.empty());
}

TEST(Defaults, OnlyAMissingValueFallsBackAnEmptyOneStaysEmpty) {
    FakeServices s;
    for (const auto& [name, value] : {std::pair{"ActivityAdi", "Ağaçİşleri"},
                                      {"PaketAdi", ""},
                                      {"Veritabani", "vt.db"},
                                      {"TabloAdi", "Tablo"},
                                      {"VTVersiyon", "7"}})  // no validation
        s.strings[{"Varsayilanlar", name}] = value;
    EXPECT_EQ(Defaults::load(s),
              (Defaults{"Ağaçİşleri", "", "ic_launcher", "vt.db", "Tablo", "7", "HAYIR"}));
    s.strings[{"Varsayilanlar", "SimgeAdi"}] = "simge";
    EXPECT_EQ(Defaults::load(s).SimgeAdi, "simge");
}

TEST(Defaults, OnlyExactlyEvetStartsWithAnEmptyPanel) {
    for (const char* value : {"EVET", "evet", "Evet", "", "HAYIR", "EVET "}) {
        FakeServices s;
        s.strings[{"Varsayilanlar", "KodPaneli"}] = value;
        const Defaults d = Defaults::load(s);
        EXPECT_EQ(d.KodPaneli, value);
        EXPECT_EQ(d.startWithEmptyPanel(), std::string(value) == "EVET") << '"' << value << '"';
    }
}

}  // namespace
}  // namespace nakkas
