#include "tools/setting_saver/setting_saver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "expected_files.h"
#include "message_checks.h"

namespace nakkas {
namespace {

// List rows as the form shows them.
enum Type : std::size_t { Tamsayi, Metin, UzunTamsayi, Ondalikli, EvetHayir };
enum Mode : std::size_t { Private, Append, WorldReadable, WorldWritable };

struct Saver {
    explicit Saver(Language language = Language::Java) : language(language) {}
    Language language;
    SettingSaverState state;
    test::FakeServices services;
    SettingSaver model{state, services, language, "/yardim/ayar-kaydetme.html"};

    Outcome confirm(std::optional<std::size_t> type, std::optional<std::size_t> mode) {
        if (type) model.selectDataType(*type);
        if (mode) model.selectAccessMode(*mode);
        return model.confirm();
    }
};

TEST(SettingSaver, BuildsTheCodeWithTheChosenBlocks) {
    struct Case {
        Type type;
        Mode mode;
        bool write, read;
        const char* expected;
        bool javaOnly = false;
    };
    const Case cases[]{
        {Tamsayi, Private, true, true, "tamsayi_ikisi"},
        {Tamsayi, Private, false, false, "tamsayi_hicbiri"},
        {Tamsayi, Private, true, false, "tamsayi_yazma"},
        {Tamsayi, Private, false, true, "tamsayi_okuma"},
        {Metin, Append, true, true, "metin"},
        // Kotlin only: the Java texts of these are checked line by line below.
        {UzunTamsayi, WorldReadable, true, true, "uzun_tamsayi"},
        {Ondalikli, WorldWritable, true, true, "ondalikli"},
        {EvetHayir, Private, true, true, "evet_hayir"},
        // Java only: the mode every application may write, with its Android spelling.
        {Ondalikli, WorldWritable, false, false, "ondalikli_tum_yazar", true},
    };
    for (const Language language : kLanguages) {
        for (const Case& c : cases) {
            const bool kotlin = language == Language::Kotlin;
            if (kotlin ? c.javaOnly : c.type > Metin && !c.javaOnly) continue;
            const std::string file =
                std::string(kotlin ? "kotlin/" : "") + "setting_saver/" + c.expected + ".txt";
            SCOPED_TRACE(file);
            Saver s(language);
            s.model.writeBlock = c.write;
            s.model.readBlock = c.read;
            if (c.type == Metin)  // the typed names go in as typed, string literals escaped
                std::tie(s.model.variableName, s.model.key, s.model.fileName) =
                    kotlin ? std::tuple("ad", "kul\"lanici\\adı", "$Ayarlar")
                           : std::tuple("ad", "kul\"lanici", "Ayarlar");
            EXPECT_TRUE(s.confirm(c.type, c.mode).ok());
            EXPECT_TRUE(test::sameText(s.model.resultText(), test::readDataCrLf(file)));
        }
    }
}

TEST(SettingSaver, TheOtherTypesAndModesPickTheirJavaNames) {
    struct Case {
        Type type;
        Mode mode;
        std::string javaType, storageMode, getter, zero;
    };
    for (const Case& c :
         {Case{UzunTamsayi, WorldReadable, "long", "MODE_WORLD_READABLE", "Long", "0"},
          Case{Ondalikli, WorldWritable, "float", "MODE_WORLD_WRITEABLE", "Float", "0"},
          Case{EvetHayir, Private, "boolean", "MODE_PRIVATE", "Boolean", "false"}}) {
        SCOPED_TRACE(c.javaType);
        Saver s;
        ASSERT_TRUE(s.confirm(c.type, c.mode).ok());
        EXPECT_EQ(s.model.javaTypeField(), c.javaType);
        EXPECT_EQ(s.model.storageModeField(), c.storageMode);
        const std::string& text = s.model.resultText();
        for (const std::string& line : {"\r\nfinal " + c.javaType + " DegiskenAdi;\r\n",
                                        "(\"ProgramAyarlari\", " + c.storageMode + ");\r\n",
                                        "\r\nDegiskenAdi = SistemAyar.get" + c.getter +
                                            "(\"AnahtarAdi\", " + c.zero + " );\r\n",
                                        "\r\nAyarDuzenleyici.put" + c.getter + "(\"AnahtarAdi\", "})
            EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

TEST(SettingSaver, AMissingChoiceIsRefusedAndKeepsEverything) {
    const std::string message = "Listeden bir veri türü ve Kayıt şekli seçmelisiniz";
    using Choice = std::optional<std::size_t>;
    const std::pair<Choice, Choice> cases[]{{{}, {}}, {Metin, {}}, {{}, Append}};
    for (const auto& [type, mode] : cases) {
        SCOPED_TRACE(std::to_string(type.value_or(9)) + std::to_string(mode.value_or(9)));
        Saver s;
        s.state.outputText = "önceki kod";
        EXPECT_EQ(s.confirm(type, mode), Outcome::refused(message));
        ASSERT_EQ(s.services.messages.size(), 1u);
        test::expectMessage(s.services.messages[0], message, "Hata", MessageIcon::Warning);
        EXPECT_EQ(s.model.dataType(), type);
        EXPECT_EQ(s.model.accessMode(), mode);
        EXPECT_EQ(s.model.resultText(), "önceki kod");
    }
}

}  // namespace
}  // namespace nakkas
