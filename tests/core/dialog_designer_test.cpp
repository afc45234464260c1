#include "tools/dialog_designer/dialog_designer.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"

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

auto boxes(const test::FakeServices& s) {
    const auto m = s.lastMessage();
    return std::make_tuple(s.messages.size(), m.text, m.caption, m.icon, m.buttons);
}

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

TEST(DialogDesigner, ToastRefusalClearAllAndPreview) {
    Designer d(DialogType::ToastMesaj);
    d.state.outputText = "önceki metin";
    const std::string message = "Toast Bayrağı parametresini seçmemişsiniz.";
    EXPECT_EQ(d.model.create(), Outcome::refused(message));
    EXPECT_EQ(boxes(d.services), std::make_tuple(1u, message, std::string("Hata"),
                                                 MessageIcon::Error, MessageButtons::Ok));
    EXPECT_EQ(d.model.resultText() + "|" + d.model.toastFlag(), "önceki metin|YOK");

    d.model.selectToastFlag(0);
    d.model.clearAll();  // empties every field but keeps the flag
    const DialogFields& f = d.model.fields;
    EXPECT_EQ(f.variableName + f.activityName + f.title + f.message + f.button1 + f.button2 +
                  f.icon + d.model.toastFlag(),
              "LENGTH_LONG");

    // The preview asks with the typed text under the typed title and changes nothing.
    Designer p(DialogType::EvetHayir);
    std::tie(p.model.fields.title, p.model.fields.message) =
        std::make_tuple("Çıkış", "Emin misiniz?\r\nKaydedilmemiş işler var.");
    p.model.preview();
    EXPECT_EQ(boxes(p.services), std::make_tuple(1u, p.model.fields.message, std::string("Çıkış"),
                                                 MessageIcon::None, MessageButtons::YesNo));
    EXPECT_EQ(p.model.resultText(), "");
}

}  // namespace
}  // namespace nakkas
