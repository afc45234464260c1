#include "app/defaults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;

// Remembers which values were asked for, in order.
struct ReadLoggingServices : FakeServices {
    std::vector<std::string> reads;
    std::optional<std::string> readString(const std::string& section,
                                          const std::string& name) override {
        reads.push_back(section + "/" + name);
        return FakeServices::readString(section, name);
    }
};

TEST(Defaults, EmptyStoreGivesTheFactoryValuesInLoadOrder) {
    ReadLoggingServices s;
    const Defaults d = Defaults::load(s);
    EXPECT_EQ(d.ActivityAdi, "MainActivity");
    EXPECT_EQ(d.PaketAdi, "com.example.uygulamaadiniz");
    EXPECT_EQ(d.SimgeAdi, "ic_launcher");
    EXPECT_EQ(d.Veritabani, "Veritabanim.db");
    EXPECT_EQ(d.TabloAdi, "TabloAdim");
    EXPECT_EQ(d.VTVersiyon, "2");
    EXPECT_EQ(d.KodPaneli, "HAYIR");
    EXPECT_EQ(d, Defaults::factory());
    EXPECT_EQ(s.reads, (std::vector<std::string>{
                           "Varsayilanlar/ActivityAdi", "Varsayilanlar/PaketAdi",
                           "Varsayilanlar/SimgeAdi", "Varsayilanlar/Veritabani",
                           "Varsayilanlar/TabloAdi", "Varsayilanlar/VTVersiyon",
                           "Varsayilanlar/KodPaneli"}));
    EXPECT_TRUE(s.writeLog.empty());  // loading never writes
}

TEST(Defaults, OnlyAMissingValueFallsBackAnEmptyOneStaysEmpty) {
    FakeServices s;
    s.strings[{"Varsayilanlar", "PaketAdi"}] = "";
    s.strings[{"Varsayilanlar", "ActivityAdi"}] = "Ağaçİşleri";
    s.strings[{"Varsayilanlar", "VTVersiyon"}] = "7";  // no validation
    s.strings[{"Baska", "SimgeAdi"}] = "yanlis_bolum";   // another section is not read
    const Defaults d = Defaults::load(s);
    EXPECT_EQ(d.PaketAdi, "");
    EXPECT_EQ(d.ActivityAdi, "Ağaçİşleri");
    EXPECT_EQ(d.VTVersiyon, "7");
    EXPECT_EQ(d.SimgeAdi, "ic_launcher");
    EXPECT_EQ(d.Veritabani, "Veritabanim.db");
    EXPECT_EQ(d.TabloAdi, "TabloAdim");
    EXPECT_EQ(d.KodPaneli, "HAYIR");
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
