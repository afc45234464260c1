#include "app/program_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_checks.h"

namespace nakkas {
namespace {

using test::FakeServices;

constexpr std::string_view kSaveQuestion =
    "Değişikliklerin doğru bir biçimde uygulanabilmesi için programın yeniden başlatılması "
    "gerekiyor, program yeniden başlatılsın mı?";
constexpr std::string_view kRestoreQuestion =
    "Varsayılan ayarlar geri yüklendi, değişikliklerin doğru bir biçimde uygulanabilmesi için "
    "programın yeniden başlatılması gerekiyor, program yeniden başlatılsın mı?";

TEST(ProgramSettings, StartsFromTheRecord) {
    FakeServices s;
    Defaults record = Defaults::factory();
    const struct {
        const char* kodPaneli;
        const char* version;
        bool clear;
        int index;
    } cases[] = {{"HAYIR", "2", false, 1}, {"EVET", "3", true, 2}, {"evet", "7", false, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kodPaneli) + " " + c.version);
        record.KodPaneli = c.kodPaneli;
        record.VTVersiyon = c.version;
        const ProgramSettings dialog(record, s);
        EXPECT_EQ(dialog.clearPanelAtStart, c.clear);
        EXPECT_EQ(dialog.versionIndex, c.index);
    }
}

// With no entry selected, or an index set past the list, the stored text stays; an index past
// the list is refused.
TEST(ProgramSettings, AVersionOutsideTheListIsNeverWritten) {
    FakeServices s;
    Defaults record = Defaults::factory();
    record.VTVersiyon = "7";
    ProgramSettings dialog(record, s);
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
    dialog.activityAdi = "";
    dialog.paketAdi = "com.ornek.app";
    dialog.simgeAdi = "simge";
    dialog.veritabani = "vt.db";
    dialog.tabloAdi = "Tablo";
    EXPECT_TRUE(dialog.selectVersion(2));
    dialog.clearPanelAtStart = true;
    s.answers = {MessageAnswer::Yes};

    EXPECT_EQ(dialog.save(), Outcome::done());
    EXPECT_TRUE(dialog.restartChosen());
    // clang-format off
    EXPECT_EQ(s.writeLog, (std::vector<std::string>{"Varsayilanlar/ActivityAdi=",
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

TEST(ProgramSettings, AnUnwritableStoreIsRefusedWithoutAQuestion) {
    FakeServices s;
    s.storeWritable = false;
    s.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Defaults record = Defaults::factory();
    ProgramSettings dialog(record, s);
    const std::string message =
        "Ayarlar kaydedilemedi: ayar dosyasına yazılamıyor.\n" + s.settingsLocation() +
        "\nDosyanın ve klasörünün yazılabilir olduğundan emin olup yeniden deneyin.";

    EXPECT_EQ(dialog.save(), Outcome::refused(message));
    EXPECT_EQ(dialog.restoreFactory(), Outcome::refused(message));
    ASSERT_EQ(s.messages.size(), 2u);
    for (const auto& m : s.messages) test::expectMessage(m, message, "Hata", MessageIcon::Error);
    EXPECT_EQ(s.answers.size(), 2u);  // no question was asked
    EXPECT_FALSE(dialog.restartChosen());
}

}  // namespace
}  // namespace nakkas
