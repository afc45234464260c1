#include "tools/dialog_designer/dialog_designer.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "expected_files.h"
#include "message_checks.h"

namespace nakkas {
namespace {

using test::readDataCrLf;
using test::sameText;

struct Designer {
    explicit Designer(DialogType type, Language language = Language::Java)
        : model(state, services, type, language, "MainActivity", "ic_launcher") {}
    DialogDesignerState state;
    test::FakeServices services;
    DialogDesigner model;
};

// Expected Kotlin texts name MainActivity, the class their paste test wraps them in.
TEST(DialogDesigner, BuildsTheTextOfEachTypeFromTheFieldsAsTyped) {
    constexpr auto Java = Language::Java, Kotlin = Language::Kotlin;
    struct Case {
        Language language;
        const char* name;
        DialogType type;
        void (*edit)(DialogDesigner&);  // null: the starting fields
    };
    const auto hidden = [](DialogDesigner& d) { d.fields.activityName = "GizliActivity"; };
    const auto shortToast = [](DialogDesigner& d) { d.selectToastFlag(1); };
    const std::vector<Case> cases{
        {Java, "standart", DialogType::Standart, nullptr},
        {Java, "standart_temizlenmis", DialogType::Standart,
         [](DialogDesigner& d) { d.clearAll(); }},
        {Java, "yukleniyor", DialogType::Yukleniyor, hidden},  // never names the Activity
        {Java, "bekleyin", DialogType::Bekleyin, nullptr},
        {Java, "bekleyin_girdiler", DialogType::Bekleyin,  // quotes, backslashes, blanks, breaks
         [](DialogDesigner& d) {
             d.fields = {"bekle", "AnaEkran", "Lütfen \"bekleyin\"", "Satır 1\r\nC:\\yol ", "",
                         "",      ""};
         }},
        {Java, "evet_hayir", DialogType::EvetHayir, nullptr},
        {Java, "toast_short", DialogType::ToastMesaj, shortToast},
        {Kotlin, "standart", DialogType::Standart, nullptr},
        {Kotlin, "yukleniyor", DialogType::Yukleniyor, hidden},
        {Kotlin, "bekleyin", DialogType::Bekleyin, nullptr},
        {Kotlin, "bekleyin_girdiler", DialogType::Bekleyin,  // and a template sign, a tab
         [](DialogDesigner& d) {
             d.fields.variableName = "bekle";
             d.fields.title = "Lütfen \"bekleyin\" $ad";
             d.fields.message = "Satır 1\r\nC:\\yol ${x}\t";
         }},
        {Kotlin, "evet_hayir", DialogType::EvetHayir, nullptr},
        {Kotlin, "evet_hayir_yazilan", DialogType::EvetHayir,
         [](DialogDesigner& d) {
             d.fields = {"cikis",           "MainActivity",
                         "Çıkış",           "Emin misiniz?\r\nKaydedilmedi: \"$dosya\"",
                         "Evet \\ Tamam",   "Vazgeç",
                         "R.drawable.uyari"};
         }},
        {Kotlin, "toast_short", DialogType::ToastMesaj, shortToast},
        {Kotlin, "toast_long", DialogType::ToastMesaj,
         [](DialogDesigner& d) { d.selectToastFlag(0); }},
    };
    for (const Case& c : cases) {
        const std::string file = std::string(c.language == Kotlin ? "kotlin/" : "") +
                                 "dialog_designer/" + c.name + ".txt";
        SCOPED_TRACE(file);
        Designer d(c.type, c.language);
        if (c.edit) c.edit(d.model);
        EXPECT_TRUE(d.model.create().ok());
        const std::string expected = readDataCrLf(file);
        EXPECT_TRUE(sameText(d.model.resultText(), expected));
        EXPECT_TRUE(d.services.messages.empty());
        if (c.language != Kotlin) continue;
        // Another Activity's name goes wherever the expected text names MainActivity.
        d.model.fields.activityName = "AnaEkran";
        EXPECT_TRUE(d.model.create().ok());
        std::string renamed = expected;
        for (std::size_t at; (at = renamed.find("@MainActivity")) != std::string::npos;)
            renamed.replace(at, 13, "@AnaEkran");
        EXPECT_TRUE(sameText(d.model.resultText(), renamed));
    }
}

TEST(DialogDesigner, EachTypeEnablesItsOwnFieldsAndShowsItselfInTheTypeList) {
    using C = DesignerControl;
    const C controls[]{C::VariableName, C::ActivityName, C::Title,     C::Message, C::Button1,
                       C::Button2,      C::Icon,         C::ToastFlag, C::Preview};
    // The "Dialog Tipi:" entry and the controls that are on; preview and flag act only there.
    const std::tuple<DialogType, std::string, std::string> rows[]{
        {DialogType::Standart, "Standart", "111000000"},
        {DialogType::Yukleniyor, "Yükleniyor", "101000000"},
        {DialogType::Bekleyin, "Bekleyin", "111100000"},
        {DialogType::EvetHayir, "Evet-Hayır", "111111101"},
        {DialogType::ToastMesaj, "Toast Mesaj", "011000010"},
    };
    for (const auto& [type, entry, on] : rows) {
        SCOPED_TRACE(entry);
        Designer d(type);
        EXPECT_EQ(DialogDesigner::kTypeEntries.at(d.model.typeEntry()), entry);
        for (std::size_t i = 0; i < on.size(); ++i)
            EXPECT_EQ(d.model.enabled(controls[i]), on[i] == '1') << i;
        d.model.preview();
        d.model.selectToastFlag(1);
        EXPECT_EQ(d.services.messages.size(), on[8] == '1' ? 1u : 0u);
        EXPECT_EQ(d.model.toastFlag(), on[7] == '1' ? "LENGTH_SHORT" : "YOK");
    }
}

TEST(DialogDesigner, AToastWithoutAFlagIsRefused) {
    Designer d(DialogType::ToastMesaj);
    d.state.outputText = "önceki metin";
    const std::string message = "Toast Bayrağı parametresini seçmemişsiniz.";
    EXPECT_EQ(d.model.create(), Outcome::refused(message));
    ASSERT_EQ(d.services.messages.size(), 1u);
    test::expectMessage(d.services.messages[0], message, "Hata", MessageIcon::Error);
    EXPECT_EQ(d.model.resultText(), "önceki metin");
    EXPECT_EQ(d.model.toastFlag(), "YOK");
}

// The emptied fields are the Standart case's text; the flag outlives them.
TEST(DialogDesigner, ClearAllKeepsTheToastFlag) {
    Designer d(DialogType::ToastMesaj);
    d.model.selectToastFlag(0);
    d.model.clearAll();
    EXPECT_EQ(d.model.toastFlag(), "LENGTH_LONG");
}

// The preview asks with the typed text under the typed title and changes nothing.
TEST(DialogDesigner, PreviewShowsTheTypedBox) {
    Designer p(DialogType::EvetHayir);
    p.model.fields.title = "Çıkış";
    p.model.fields.message = "Emin misiniz?\r\nKaydedilmemiş işler var.";
    p.model.preview();
    ASSERT_EQ(p.services.messages.size(), 1u);
    test::expectMessage(p.services.messages[0], p.model.fields.message, "Çıkış", MessageIcon::None,
                        MessageButtons::YesNo);
    EXPECT_EQ(p.model.resultText(), "");
}

}  // namespace
}  // namespace nakkas
