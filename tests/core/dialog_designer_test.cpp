#include "tools/dialog_designer/dialog_designer.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using test::readDataCrLf;
using test::sameText;

struct Designer {
    explicit Designer(DialogType type, std::string activity = "MainActivity",
                      std::string icon = "ic_launcher")
        : model(state, services, type, std::move(activity), icon) {}
    DialogDesignerState state;
    FakeServices services;
    DialogDesigner model;
};

struct TextCase {
    const char* name;
    DialogType type;
    std::function<void(DialogDesigner&)> edit;
    const char* expected;
};

TEST(DialogDesigner, BuildsTheTextOfEachTypeFromTheFieldsAsTyped) {
    const auto none = [](DialogDesigner&) {};
    const std::vector<TextCase> cases{
        {"Standart from the starting fields", DialogType::Standart, none,
         "dialog_designer/standart.txt"},
        {"Standart after Tümünü Temizle", DialogType::Standart,
         [](DialogDesigner& d) { d.clearAll(); }, "dialog_designer/standart_temizlenmis.txt"},
        {"Yükleniyor never names the Activity", DialogType::Yukleniyor,
         [](DialogDesigner& d) { d.fields.activityName = "GizliActivity"; },
         "dialog_designer/yukleniyor.txt"},
        {"Bekleyin from the starting fields", DialogType::Bekleyin, none,
         "dialog_designer/bekleyin.txt"},
        {"Bekleyin keeps quotes, backslashes, blanks and line breaks", DialogType::Bekleyin,
         [](DialogDesigner& d) {
             d.fields.variableName = "bekle";
             d.fields.activityName = "AnaEkran";
             d.fields.title = "Lütfen \"bekleyin\"";
             d.fields.message = "Satır 1\r\nC:\\yol ";
         },
         "dialog_designer/bekleyin_girdiler.txt"},
        {"Evet-Hayır from the starting fields", DialogType::EvetHayir, none,
         "dialog_designer/evet_hayir.txt"},
        {"Toast Mesaj with LENGTH_SHORT", DialogType::ToastMesaj,
         [](DialogDesigner& d) { d.selectToastFlag(1); }, "dialog_designer/toast_short.txt"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        Designer d(c.type);
        c.edit(d.model);
        EXPECT_TRUE(d.model.create().ok());
        EXPECT_TRUE(sameText(d.model.resultText(), readDataCrLf(c.expected)));
        EXPECT_TRUE(d.services.messages.empty());
    }
}

TEST(DialogDesigner, EachTypeEnablesItsOwnFieldsAndShowsItselfInTheTypeList) {
    using C = DesignerControl;
    const std::vector<C> all{C::VariableName, C::ActivityName, C::Title,     C::Message, C::Button1,
                             C::Button2,      C::Icon,         C::ToastFlag, C::Preview};
    struct Row {
        DialogType type;
        std::string entry;  // what "Dialog Tipi:" shows
        std::set<C> on;
    };
    const std::vector<Row> rows{
        {DialogType::Standart, "Standart", {C::VariableName, C::ActivityName, C::Title}},
        {DialogType::Yukleniyor, "Yükleniyor", {C::VariableName, C::Title}},
        {DialogType::Bekleyin,
         "Bekleyin",
         {C::VariableName, C::ActivityName, C::Title, C::Message}},
        {DialogType::EvetHayir,
         "Evet-Hayır",
         {C::VariableName, C::ActivityName, C::Title, C::Message, C::Button1, C::Button2, C::Icon,
          C::Preview}},
        {DialogType::ToastMesaj, "Toast Mesaj", {C::ActivityName, C::Title, C::ToastFlag}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry);
        Designer d(row.type);
        EXPECT_EQ(DialogDesigner::kTypeEntries.at(d.model.typeEntry()), row.entry);
        for (C c : all) EXPECT_EQ(d.model.enabled(c), row.on.count(c) > 0) << int(c);
    }
}

TEST(DialogDesigner, ToastWithoutAFlagIsRefusedAndChangesNothing) {
    Designer d(DialogType::ToastMesaj);
    d.state.outputText = "önceki metin";
    d.model.fields.title = "Kaydedildi";
    const DialogFields before = d.model.fields;

    const Outcome outcome = d.model.create();
    EXPECT_EQ(outcome, Outcome::refused("Toast Bayrağı parametresini seçmemişsiniz."));
    ASSERT_EQ(d.services.messages.size(), 1u);
    EXPECT_EQ(d.services.lastMessage().text, "Toast Bayrağı parametresini seçmemişsiniz.");
    EXPECT_EQ(d.services.lastMessage().caption, "Hata");
    EXPECT_EQ(d.services.lastMessage().icon, MessageIcon::Error);
    EXPECT_EQ(d.services.lastMessage().buttons, MessageButtons::Ok);
    EXPECT_EQ(d.model.resultText(), "önceki metin");
    EXPECT_EQ(d.model.toastFlag(), "YOK");
    EXPECT_EQ(d.model.fields.title, before.title);
    EXPECT_EQ(d.model.fields.activityName, before.activityName);
}

TEST(DialogDesigner, ClearAllEmptiesEveryTextFieldButKeepsTheToastChoice) {
    Designer d(DialogType::ToastMesaj);
    d.model.selectToastFlag(0);
    d.model.clearAll();
    const DialogFields& f = d.model.fields;
    for (const std::string* s :
         {&f.variableName, &f.activityName, &f.title, &f.message, &f.button1, &f.button2, &f.icon})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(d.model.toastSelection(), 0u);
    EXPECT_EQ(d.model.toastFlag(), "LENGTH_LONG");
}

TEST(DialogDesigner, PreviewAsksWithTheTypedTextUnderTheTypedTitleAndChangesNothing) {
    Designer d(DialogType::EvetHayir);
    d.model.fields.title = "Çıkış";
    d.model.fields.message = "Emin misiniz?\r\nKaydedilmemiş işler var.";
    d.services.answers = {MessageAnswer::Yes};
    d.model.preview();
    ASSERT_EQ(d.services.messages.size(), 1u);
    EXPECT_EQ(d.services.lastMessage().text, "Emin misiniz?\r\nKaydedilmemiş işler var.");
    EXPECT_EQ(d.services.lastMessage().caption, "Çıkış");
    EXPECT_EQ(d.services.lastMessage().icon, MessageIcon::None);
    EXPECT_EQ(d.services.lastMessage().buttons, MessageButtons::YesNo);
    EXPECT_EQ(d.model.resultText(), "");
    EXPECT_EQ(d.model.fields.title, "Çıkış");

    // The other types have no yes/no box to preview, and only the toast form has a length list.
    Designer standard(DialogType::Standart);
    standard.model.preview();
    standard.model.selectToastFlag(1);
    EXPECT_TRUE(standard.services.messages.empty());
    EXPECT_EQ(standard.model.toastFlag(), "YOK");
}

}  // namespace
}  // namespace nakkas
