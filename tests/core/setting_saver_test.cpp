#include "tools/setting_saver/setting_saver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using test::readDataCrLf;
using test::sameText;

// List rows as the form shows them.
enum Type : std::size_t { Tamsayi, Metin, UzunTamsayi, Ondalikli, EvetHayir };
enum Mode : std::size_t { Private, Append, WorldReadable, WorldWritable };

struct Saver {
    SettingSaverState state;
    FakeServices services;
    SettingSaver model{state, services, "/yardim/ayar-kaydetme.html"};
};

TEST(SettingSaver, BuildsTheCodeWithTheChosenBlocks) {
    struct Case {
        const char* name;
        Type type;
        Mode mode;
        bool write, read;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"both blocks", Tamsayi, Private, true, true, "setting_saver/tamsayi_ikisi.txt"},
        {"neither: ends with three line breaks", Tamsayi, Private, false, false,
         "setting_saver/tamsayi_hicbiri.txt"},
        {"write only", Tamsayi, Private, true, false, "setting_saver/tamsayi_yazma.txt"},
        {"read only", Tamsayi, Private, false, true, "setting_saver/tamsayi_okuma.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Saver s;
        s.model.selectDataType(c.type);
        s.model.selectAccessMode(c.mode);
        s.model.writeBlock = c.write;
        s.model.readBlock = c.read;
        EXPECT_TRUE(s.model.confirm().ok());
        EXPECT_TRUE(sameText(s.model.resultText(), readDataCrLf(c.expected)));
    }

    // Metin's default is a Java string literal; the typed names go in as they are, while the
    // preferences object and its editor keep their own names.
    Saver s;
    s.model.selectDataType(Metin);
    s.model.selectAccessMode(Append);
    s.model.variableName = "ad";
    s.model.key = "kul\"lanici";
    s.model.fileName = "Ayarlar";
    EXPECT_TRUE(s.model.confirm().ok());
    EXPECT_TRUE(sameText(s.model.resultText(), readDataCrLf("setting_saver/metin.txt")));
}

TEST(SettingSaver, TheOtherTypesAndModesPickTheirJavaNames) {
    struct Case {
        Type type;
        Mode mode;
        std::string javaType, storageMode, readLine, writeCall;
    };
    const std::vector<Case> cases{
        {UzunTamsayi, WorldReadable, "long", "MODE_WORLD_READABLE",
         "DegiskenAdi = SistemAyar.getLong(\"AnahtarAdi\", 0 );\r\n",
         "AyarDuzenleyici.putLong(\"AnahtarAdi\", "},
        {Ondalikli, WorldWritable, "float", "MODE_WORLD_WRITABLE",
         "DegiskenAdi = SistemAyar.getFloat(\"AnahtarAdi\", 0 );\r\n",
         "AyarDuzenleyici.putFloat(\"AnahtarAdi\", "},
        {EvetHayir, Private, "boolean", "MODE_PRIVATE",
         "DegiskenAdi = SistemAyar.getBoolean(\"AnahtarAdi\", false );\r\n",
         "AyarDuzenleyici.putBoolean(\"AnahtarAdi\", "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.javaType);
        Saver s;
        s.model.selectDataType(c.type);
        s.model.selectAccessMode(c.mode);
        EXPECT_EQ(s.model.javaTypeField(), c.javaType);
        EXPECT_EQ(s.model.storageModeField(), c.storageMode);
        ASSERT_TRUE(s.model.confirm().ok());
        const std::string& text = s.model.resultText();
        EXPECT_NE(text.find("\r\nfinal " + c.javaType + " DegiskenAdi;\r\n"), std::string::npos);
        EXPECT_NE(text.find("(\"ProgramAyarlari\", " + c.storageMode + ");\r\n"),
                  std::string::npos);
        EXPECT_NE(text.find("\r\n" + c.readLine), std::string::npos);
        EXPECT_NE(text.find("\r\n" + c.writeCall), std::string::npos);
    }
}

TEST(SettingSaver, AMissingChoiceIsRefusedAndKeepsEverything) {
    struct Case {
        const char* name;
        std::optional<std::size_t> type, mode;
    };
    for (const Case& c : {Case{"nothing picked", {}, {}}, Case{"type only", Metin, {}},
                          Case{"mode only", {}, Append}}) {
        SCOPED_TRACE(c.name);
        Saver s;
        s.state.outputText = "önceki kod";
        if (c.type) s.model.selectDataType(*c.type);
        if (c.mode) s.model.selectAccessMode(*c.mode);
        s.model.variableName = "sayac";
        EXPECT_EQ(s.model.confirm(),
                  Outcome::refused("Listeden bir veri türü ve Kayıt şekli seçmelisiniz"));
        ASSERT_EQ(s.services.messages.size(), 1u);
        EXPECT_EQ(s.services.lastMessage().text,
                  "Listeden bir veri türü ve Kayıt şekli seçmelisiniz");
        EXPECT_EQ(s.services.lastMessage().caption, "Hata");
        EXPECT_EQ(s.services.lastMessage().icon, MessageIcon::Warning);
        EXPECT_EQ(s.services.lastMessage().buttons, MessageButtons::Ok);
        EXPECT_EQ(s.model.dataType(), c.type);
        EXPECT_EQ(s.model.accessMode(), c.mode);
        EXPECT_EQ(s.model.variableName, "sayac");
        EXPECT_EQ(s.model.resultText(), "önceki kod");
    }
}

}  // namespace
}  // namespace nakkas
