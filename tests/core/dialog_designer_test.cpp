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
    explicit Designer(DialogType type)
        : model(state, services, type, "MainActivity", "ic_launcher") {}
    DialogDesignerState state;
    test::FakeServices services;
    DialogDesigner model;
};

TEST(DialogDesigner, BuildsTheTextOfEachTypeFromTheFieldsAsTyped) {
    struct Case {
        const char* name;
        DialogType type;
        void (*edit)(DialogDesigner&);  // null: the starting fields
    };
    const std::vector<Case> cases{
        {"standart", DialogType::Standart, nullptr},
        {"standart_temizlenmis", DialogType::Standart, [](DialogDesigner& d) { d.clearAll(); }},
        {"yukleniyor", DialogType::Yukleniyor,  // never names the Activity
         [](DialogDesigner& d) { d.fields.activityName = "GizliActivity"; }},
        {"bekleyin", DialogType::Bekleyin, nullptr},
        {"bekleyin_girdiler", DialogType::Bekleyin,  // quotes, backslashes, blanks, line breaks
         [](DialogDesigner& d) {
             d.fields = {"bekle", "AnaEkran", "Lütfen \"bekleyin\"", "Satır 1\r\nC:\\yol ", "",
                         "",      ""};
         }},
        {"evet_hayir", DialogType::EvetHayir, nullptr},
        {"toast_short", DialogType::ToastMesaj, [](DialogDesigner& d) { d.selectToastFlag(1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Designer d(c.type);
        if (c.edit) c.edit(d.model);
        EXPECT_TRUE(d.model.create().ok());
        EXPECT_TRUE(sameText(d.model.resultText(),
                             readDataCrLf(std::string("dialog_designer/") + c.name + ".txt")));
        EXPECT_TRUE(d.services.messages.empty());
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

TEST(DialogDesigner, ClearAllEmptiesEveryFieldButKeepsTheFlag) {
    Designer d(DialogType::ToastMesaj);
    d.model.selectToastFlag(0);
    d.model.clearAll();
    const DialogFields& f = d.model.fields;
    EXPECT_EQ(f.variableName, "");
    EXPECT_EQ(f.activityName, "");
    EXPECT_EQ(f.title, "");
    EXPECT_EQ(f.message, "");
    EXPECT_EQ(f.button1, "");
    EXPECT_EQ(f.button2, "");
    EXPECT_EQ(f.icon, "");
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
