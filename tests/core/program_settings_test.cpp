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

void expectRestartQuestion(const FakeServices& s, const std::string& text) {
    ASSERT_EQ(s.messages.size(), 1u);
    const auto& m = s.messages[0];
    EXPECT_EQ(std::tie(m.text, m.caption, m.icon, m.buttons),
              std::tuple(text, "Program Ayarları", MessageIcon::Warning, MessageButtons::YesNo));
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
        EXPECT_EQ(std::pair(dialog.clearPanelAtStart, dialog.versionIndex), std::pair(clear, index))
            << kodPaneli << " " << version;
    }
    // No version selected, or an index set past the list: the stored text stays.
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
    std::tie(dialog.activityAdi, dialog.paketAdi, dialog.simgeAdi, dialog.veritabani,
             dialog.tabloAdi) = std::tuple("", "com.ornek.app", "simge", "vt.db", "Tablo");
    EXPECT_TRUE(dialog.selectVersion(2));
    dialog.clearPanelAtStart = true;
    s.answers = {MessageAnswer::Yes};

    EXPECT_EQ(dialog.save(), Outcome::Restart);
    // clang-format off
    EXPECT_EQ(s.writeLog, (std::vector<std::string>{"Varsayilanlar/ActivityAdi=",
        "Varsayilanlar/PaketAdi=com.ornek.app", "Varsayilanlar/SimgeAdi=simge",
        "Varsayilanlar/Veritabani=vt.db", "Varsayilanlar/TabloAdi=Tablo",
        "Varsayilanlar/VTVersiyon=3", "Varsayilanlar/KodPaneli=EVET"}));
    // clang-format on
    expectRestartQuestion(s,
                          "Değişikliklerin doğru bir biçimde uygulanabilmesi için programın "
                          "yeniden başlatılması gerekiyor, program yeniden başlatılsın mı?");
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
        EXPECT_EQ(Defaults::load(s), Defaults::factory());
        expectRestartQuestion(s,
                              "Varsayılan ayarlar geri yüklendi, değişikliklerin doğru bir "
                              "biçimde uygulanabilmesi için programın yeniden başlatılması "
                              "gerekiyor, program yeniden başlatılsın mı?");
        EXPECT_EQ(std::tie(dialog.clearPanelAtStart, dialog.paketAdi, dialog.versionIndex),
                  std::tuple(false, "duzenlendi", 2));
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
    EXPECT_EQ(dialog.restoreFactory(), Outcome::StayOpen);
    ASSERT_EQ(s.messages.size(), 2u);
    for (const auto& m : s.messages) {
        EXPECT_EQ(std::tie(m.caption, m.icon, m.buttons),
                  std::tuple("Hata", MessageIcon::Error, MessageButtons::Ok));
        EXPECT_NE(m.text.find(s.settingsLocation()), std::string::npos);
    }
    EXPECT_EQ(s.answers.size(), 2u);  // no question was asked
    EXPECT_EQ(s.restarts, 0);
}

}  // namespace
}  // namespace nakkas
