#include "app/program_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using Outcome = ProgramSettings::Outcome;

constexpr const char* kSaveQuestion =
    "Değişikliklerin doğru bir biçimde uygulanabilmesi için programın yeniden "
    "başlatılması gerekiyor, program yeniden başlatılsın mı?";
constexpr const char* kRestoreQuestion =
    "Varsayılan ayarlar geri yüklendi, değişikliklerin doğru bir biçimde uygulanabilmesi "
    "için programın yeniden başlatılması gerekiyor, program yeniden başlatılsın mı?";

void expectRestartQuestion(const FakeServices& s, const std::string& text) {
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].text, text);
    EXPECT_EQ(s.messages[0].caption, "Program Ayarları");
    EXPECT_EQ(s.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(s.messages[0].buttons, MessageButtons::YesNo);
}

TEST(ProgramSettings, StartsFromTheRecord) {
    FakeServices s;
    Defaults record = Defaults::factory();
    const std::tuple<const char*, const char*, bool, int> cases[] = {
        {"HAYIR", "2", false, 1}, {"EVET", "3", true, 2}, {"evet", "7", false, -1}};
    for (const auto& [kodPaneli, version, clear, index] : cases) {
        record.KodPaneli = kodPaneli;
        record.VTVersiyon = version;
        const ProgramSettings dialog(record, s);
        EXPECT_EQ(dialog.clearPanelAtStart, clear) << kodPaneli;
        EXPECT_EQ(dialog.versionIndex, index) << version;
    }
    // No version selected, or an index set past the list directly: the stored text stays.
    ProgramSettings odd(record, s);
    for (const int index : {-1, 3, 1000}) {
        s.writeLog.clear();
        odd.versionIndex = index;
        odd.save();
        EXPECT_EQ(s.writeLog.at(5), "Varsayilanlar/VTVersiyon=7") << index;
    }
    odd.versionIndex = 1;  // an index past the list is refused
    for (const int outside : {3, -2, 1000}) {
        EXPECT_FALSE(odd.selectVersion(outside)) << outside;
        EXPECT_EQ(odd.versionIndex, 1) << outside;
    }
    EXPECT_TRUE(odd.selectVersion(-1));
}

TEST(ProgramSettings, SaveWritesInOrderThenAsksToRestart) {
    FakeServices s;
    Defaults record = Defaults::factory();
    ProgramSettings dialog(record, s);
    dialog.activityAdi = "";
    dialog.paketAdi = "com.ornek.app";
    dialog.simgeAdi = "simge";
    dialog.veritabani = "vt.db";
    dialog.tabloAdi = "Tablo";
    EXPECT_TRUE(dialog.selectVersion(2));
    dialog.clearPanelAtStart = true;
    s.answers = {MessageAnswer::Yes};

    EXPECT_EQ(dialog.save(), Outcome::Restart);
    EXPECT_EQ(s.writeLog, (std::vector<std::string>{
                              "Varsayilanlar/ActivityAdi=", "Varsayilanlar/PaketAdi=com.ornek.app",
                              "Varsayilanlar/SimgeAdi=simge", "Varsayilanlar/Veritabani=vt.db",
                              "Varsayilanlar/TabloAdi=Tablo", "Varsayilanlar/VTVersiyon=3",
                              "Varsayilanlar/KodPaneli=EVET"}));
    expectRestartQuestion(s, kSaveQuestion);
    // The running record takes all but the version, which counts from the next start.
    EXPECT_EQ(record, (Defaults{"", "com.ornek.app", "simge", "vt.db", "Tablo", "2", "EVET"}));

    dialog.clearPanelAtStart = false;
    EXPECT_EQ(dialog.save(), Outcome::Close);  // the same question, answered No
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

        EXPECT_EQ(dialog.restoreFactory(),
                  answer == MessageAnswer::Yes ? Outcome::Restart : Outcome::Close);
        EXPECT_EQ(s.writeLog.size(), 7u);  // keys and order: the save case above
        EXPECT_EQ(Defaults::load(s), Defaults::factory());
        expectRestartQuestion(s, kRestoreQuestion);
        EXPECT_FALSE(dialog.clearPanelAtStart);
        EXPECT_EQ(dialog.paketAdi, "duzenlendi");
        EXPECT_EQ(dialog.versionIndex, 2);
        EXPECT_EQ(record, (Defaults{"Ana", "com.ornek", "simge", "vt.db", "Tablo", "3", "HAYIR"}));
    }
}

TEST(ProgramSettings, UnwritableStoreReportsOnceAndStaysOpen) {
    FakeServices s;
    s.storeWritable = false;
    s.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Defaults record = Defaults::factory();
    ProgramSettings dialog(record, s);

    EXPECT_EQ(dialog.save(), Outcome::StayOpen);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].caption, "Hata");
    EXPECT_EQ(s.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(s.messages[0].buttons, MessageButtons::Ok);
    EXPECT_NE(s.messages[0].text.find(s.settingsLocation()), std::string::npos);

    EXPECT_EQ(dialog.restoreFactory(), Outcome::StayOpen);
    ASSERT_EQ(s.messages.size(), 2u);
    EXPECT_EQ(s.messages[1].caption, "Hata");
    EXPECT_EQ(s.answers.size(), 2u);  // no question was asked
    EXPECT_EQ(s.restarts, 0);
}

}  // namespace
}  // namespace nakkas
