// The stored values: the defaults the tools start from, the settings dialog that edits them and
// the visual style.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/defaults.h"
#include "app/looks.h"
#include "app/program_settings.h"
#include "message_checks.h"

namespace nakkas {
namespace {

using test::FakeServices;
using Strings = std::vector<std::string>;

// Only a missing value falls back, an empty one stays empty; values from another section are
// not read, and loading never writes.
TEST(Defaults, LoadingFallsBackOnlyForAMissingValue) {
    FakeServices s;
    s.strings[{"Baska", "SimgeAdi"}] = "yanlis_bolum";
    const Defaults factory{"MainActivity", "com.example.uygulamaadiniz",
                           "ic_launcher",  "Veritabanim.db",
                           "TabloAdim",    "2",
                           "HAYIR"};
    EXPECT_EQ(Defaults::load(s), factory);
    EXPECT_EQ(Defaults::factory(), factory);
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
    EXPECT_TRUE(s.writeLog.empty());
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

constexpr std::string_view kSaveQuestion =
    "Değişikliklerin doğru bir biçimde uygulanabilmesi için programın yeniden başlatılması "
    "gerekiyor, program yeniden başlatılsın mı?";
constexpr std::string_view kRestoreQuestion =
    "Varsayılan ayarlar geri yüklendi, değişikliklerin doğru bir biçimde uygulanabilmesi için "
    "programın yeniden başlatılması gerekiyor, program yeniden başlatılsın mı?";

// With no entry selected, or an index set past the list, the stored text stays; an index past
// the list is refused.
TEST(ProgramSettings, AVersionOutsideTheListIsNeverWritten) {
    FakeServices s;
    Defaults record = Defaults::factory();
    record.VTVersiyon = "3";
    EXPECT_EQ(ProgramSettings(record, s).versionIndex, 2);
    record.KodPaneli = "EVET";  // which texts mean it is the Defaults test
    EXPECT_TRUE(ProgramSettings(record, s).clearPanelAtStart);
    record.VTVersiyon = "7";
    ProgramSettings dialog(record, s);
    EXPECT_EQ(dialog.versionIndex, -1);
    for (const int index : {-1, 3, 1000}) {
        s.writeLog.clear();
        dialog.versionIndex = index;
        dialog.save();
        EXPECT_EQ(s.writeLog.at(5), "Varsayilanlar/VTVersiyon=7") << index;
    }
    dialog.versionIndex = 1;
    for (const int outside : {3, -2, 1000}) {
        EXPECT_FALSE(dialog.selectVersion(outside)) << outside;
        EXPECT_EQ(dialog.versionIndex, 1) << outside;
    }
    EXPECT_TRUE(dialog.selectVersion(-1));
}

TEST(ProgramSettings, SaveWritesInOrderThenAsksToRestart) {
    FakeServices s;
    Defaults record = Defaults::factory();
    ProgramSettings dialog(record, s);
    EXPECT_FALSE(dialog.clearPanelAtStart);
    EXPECT_EQ(dialog.versionIndex, 1);
    std::tie(dialog.activityAdi, dialog.paketAdi, dialog.simgeAdi, dialog.veritabani,
             dialog.tabloAdi) = std::make_tuple("", "com.ornek.app", "simge", "vt.db", "Tablo");
    EXPECT_TRUE(dialog.selectVersion(2));
    dialog.clearPanelAtStart = true;
    s.answers = {MessageAnswer::Yes};

    EXPECT_EQ(dialog.save(), Outcome::done());
    EXPECT_TRUE(dialog.restartChosen());
    // clang-format off
    EXPECT_EQ(s.writeLog, (Strings{"Varsayilanlar/ActivityAdi=",
        "Varsayilanlar/PaketAdi=com.ornek.app", "Varsayilanlar/SimgeAdi=simge",
        "Varsayilanlar/Veritabani=vt.db", "Varsayilanlar/TabloAdi=Tablo",
        "Varsayilanlar/VTVersiyon=3", "Varsayilanlar/KodPaneli=EVET"}));
    // clang-format on
    ASSERT_EQ(s.messages.size(), 1u);
    test::expectMessage(s.messages[0], kSaveQuestion, "Program Ayarları", MessageIcon::Warning,
                        MessageButtons::YesNo);
    // The running record takes all but the version, which counts from the next start.
    EXPECT_EQ(record, (Defaults{"", "com.ornek.app", "simge", "vt.db", "Tablo", "2", "EVET"}));

    dialog.clearPanelAtStart = false;
    EXPECT_EQ(dialog.save(), Outcome::done());  // the same question, answered No
    EXPECT_FALSE(dialog.restartChosen());
    EXPECT_EQ(s.messages.size(), 2u);
    EXPECT_EQ(s.writeLog.back(), "Varsayilanlar/KodPaneli=HAYIR");
    EXPECT_EQ(record.KodPaneli, "HAYIR");
}

TEST(ProgramSettings, RestoreFactoryWritesFactoryValuesAndTouchesNothingElse) {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        FakeServices s;
        Defaults record{"Ana", "com.ornek", "simge", "vt.db", "Tablo", "3", "EVET"};
        ProgramSettings dialog(record, s);
        dialog.paketAdi = "duzenlendi";
        s.answers = {answer};

        EXPECT_EQ(dialog.restoreFactory(), Outcome::done());
        EXPECT_EQ(dialog.restartChosen(), answer == MessageAnswer::Yes);
        EXPECT_EQ(Defaults::load(s), Defaults::factory());
        ASSERT_EQ(s.messages.size(), 1u);
        test::expectMessage(s.messages[0], kRestoreQuestion, "Program Ayarları",
                            MessageIcon::Warning, MessageButtons::YesNo);
        EXPECT_FALSE(dialog.clearPanelAtStart);
        EXPECT_EQ(dialog.paketAdi, "duzenlendi");
        EXPECT_EQ(dialog.versionIndex, 2);
        EXPECT_EQ(record, (Defaults{"Ana", "com.ornek", "simge", "vt.db", "Tablo", "3", "HAYIR"}));
    }
}

// Each way of storing says so, and asks nothing; a chosen style is still used for this run.
TEST(ProgramSettings, AnUnwritableStoreIsRefusedWithoutAQuestion) {
    FakeServices s;
    s.storeWritable = false;
    s.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Defaults record = Defaults::factory();
    ProgramSettings dialog(record, s);
    LookSetting look(s);
    ASSERT_TRUE(look.choose(205));
    const std::string message =
        "Ayarlar kaydedilemedi: ayar dosyasına yazılamıyor.\n" + s.settingsLocation() +
        "\nDosyanın ve klasörünün yazılabilir olduğundan emin olup yeniden deneyin.";

    EXPECT_EQ(dialog.save(), Outcome::refused(message));
    EXPECT_EQ(dialog.restoreFactory(), Outcome::refused(message));
    EXPECT_EQ(look.store(), Outcome::refused(message));
    ASSERT_EQ(s.messages.size(), 3u);
    for (const auto& m : s.messages) test::expectMessage(m, message, "Hata", MessageIcon::Error);
    EXPECT_EQ(s.answers.size(), 2u);  // no question was asked
    EXPECT_FALSE(dialog.restartChosen());
    EXPECT_EQ(look.current(), 205);
}

// 216 when nothing, or no style number, is stored; only a changed style is stored, and only
// when asked to.
TEST(LookSetting, StartsFromTheStoredStyleAndStoresOnlyAChange) {
    for (const auto& [stored, look] : {std::pair{0, 216}, {219, 219}, {205, 205}, {211, 216}}) {
        FakeServices s;
        if (stored) s.ints["ApplicationLook"] = stored;
        EXPECT_EQ(LookSetting(s).current(), look) << stored;
        EXPECT_TRUE(s.writeLog.empty()) << stored;
    }
    FakeServices s;
    LookSetting setting(s);
    EXPECT_FALSE(setting.choose(216));
    EXPECT_FALSE(setting.choose(211));  // no style: the default, which is already current
    EXPECT_TRUE(setting.choose(219));
    EXPECT_EQ(setting.current(), 219);
    EXPECT_TRUE(s.writeLog.empty());
    EXPECT_EQ(setting.store(), Outcome::done());
    EXPECT_EQ(s.ints["ApplicationLook"], 219);
    EXPECT_TRUE(s.messages.empty());
}

}  // namespace
}  // namespace nakkas
