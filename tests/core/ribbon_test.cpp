#include "app/ribbon.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/key_tips.h"
#include "snippets/snippet_catalogue.h"

namespace nakkas {
namespace {

using Strings = std::vector<std::string_view>;

// Ids (or labels) of the elements, separators as "|".
Strings ids(const std::vector<RibbonElement>& elements,
            std::string_view RibbonElement::*field = &RibbonElement::id) {
    Strings out;
    for (const auto& e : elements) out.push_back(e.separator ? "|" : e.*field);
    return out;
}

TEST(Ribbon, CategoriesPanelsAndKeyTips) {
    const Ribbon& r = ribbon();
    Strings titles, tips, panels;
    for (const auto& c : r.categories) {
        titles.push_back(c.title);
        tips.push_back(c.keyTip);
        for (const auto& p : c.panels) panels.push_back(p.title);
    }
    EXPECT_EQ(titles, (Strings{"Layout Nesneleri", "Kod Araçları", "Yardım Konuları",
                               "Kod Parçaları", "Kod Parçaları"}));
    EXPECT_EQ(tips, (Strings{"1", "2", "", "3", ""}));
    EXPECT_EQ(panels, (Strings{"Nesneler", "Oluşturma", "ZEP Ayarlar", "Hakkında",
                               "Tab Host Projesi", "Menü Tasarım", "Liste Sihirbazı",
                               "Sistem Ayarları", "SQLite", "Dialoglar ve Mesajlar", "Layout XML",
                               "Yardım Konuları", "Kod Parçaları", "Kod Parçaları 2"}));
    EXPECT_EQ(r.applicationKeyTip, "Q");  // so the top-level tips are unique

    // clang-format off
    const std::vector<std::map<std::string_view, std::string_view>> expected{
        {{"O", "ID_BUTTON18"}, {"A", "LN_PROGRAMAYARLARI"}, {"H", "ID_APP_ABOUT"}},
        {{"T", "WzActivityBtn"}, {"M", "KPBtn03"}, {"L", "RBCokluListeKutusu"},
         {"R", "DevicePermissinId"}, {"V", "KPBtn113"}, {"X", "LayoutXmlKod"}}, {}, {}, {}};
    // clang-format on
    for (std::size_t i = 0; i < r.categories.size(); ++i) {
        std::map<std::string_view, std::string_view> got;
        for (const auto& p : r.categories[i].panels)
            for (const auto& e : p.elements)
                if (!e.keyTip.empty()) {
                    EXPECT_TRUE(got.emplace(e.keyTip, e.id).second) << e.keyTip;
                }
        EXPECT_EQ(got, expected[i]) << "category " << i;
    }
}

TEST(Ribbon, ElementsInDisplayOrderWithTheDropDownApplicationMenuAndTabRow) {
    const auto& cats = ribbon().categories;
    Strings layout, tools;
    for (const auto& p : cats[0].panels)
        for (const auto& e : p.elements) layout.push_back(e.label);
    for (const auto& p : cats[1].panels)
        for (const auto& e : p.elements) tools.push_back(e.id);
    // clang-format off
    EXPECT_EQ(layout, (Strings{"TextView", "Button", "CheckBox", "RadioButton", "Toggle",
        "ProgressBar", "Spinner", "GridView", "EditText", "ImageBtn", "TabHost", "ImageView",
        "WebView", "VideoView", "ListView", "SeekBar", "RatingBar", "DatePicker", "OLUŞTUR",
        "Program Ayarları", "Hakkında"}));
    // clang-format on
    EXPECT_EQ(tools, (Strings{"WzActivityBtn", "KPBtn03", "RBCokluListeKutusu", "DevicePermissinId",
                              "KPBtn113", "DLGStandart", "DLGYukleniyor", "DLGBekleyin",
                              "DLGEvetHayir", "DLGToast", "LayoutXmlKod"}));
    EXPECT_EQ(ids(cats[2].panels[0].elements),
              (Strings{"YARDIM_BIR", "YARDIM_IKI", "YARDIM_UC", "YARDIM_DORT"}));
    EXPECT_EQ(cats[3].panels[0].elements.size(), 14u);
    EXPECT_EQ(cats[4].panels[0].elements.size(), 7u);
    size_t next = 0;  // with the command table this pins the catalogue's order too
    for (const auto* c : {&cats[3], &cats[4]})
        for (const auto& e : c->panels[0].elements)
            EXPECT_EQ(e.id, snippetCatalogue()[next++].element);

    const RibbonElement& multi = cats[1].panels[2].elements.at(0);
    EXPECT_EQ(multi.label, "Çoklu Nesne Aracı");
    EXPECT_EQ(multi.command.kind, CommandKind::None);
    EXPECT_EQ(ids(multi.dropDown), (Strings{"CokluListe01", "CokluListe02", "CokluListe03"}));
    EXPECT_EQ(ids(multi.dropDown, &RibbonElement::label),
              (Strings{"Spinner", "GridView", "ListBox"}));

    const Ribbon& r = ribbon();
    EXPECT_EQ(ids(r.applicationMenu),
              (Strings{"IDC_BUTTON2A", "|", "ID_BUTTON18", "LN_PROGRAMAYARLARI", "ID_APP_ABOUT",
                       "|", "IDC_BUTTON3A"}));
    EXPECT_EQ(ids(r.applicationMenu, &RibbonElement::label),
              (Strings{"Sıfırla", "|", "Oluştur", "Ayarlar", "Hakkında", "|", "Çıkış"}));
    EXPECT_EQ(r.tabRowElement.label, "Hakkında");
    EXPECT_EQ(ids(r.tabRowChoices, &RibbonElement::label), (Strings{"Java", "Kotlin"}));
}

// An element that appears in several places sends the same command from each.
TEST(Ribbon, EveryElementSendsTheCommandOfItsRow) {
    using K = CommandKind;
    // clang-format off
    const std::map<std::string_view, Command> expected{
        {"ID_BUTTON2", {K::ChooseEntry, 0}}, {"ID_BUTTON3", {K::ChooseEntry, 1}},
        {"ID_BUTTON4", {K::ChooseEntry, 2}}, {"ID_BUTTON7", {K::ChooseEntry, 3}},
        {"ID_BUTTON6", {K::ChooseEntry, 4}}, {"ID_BUTTON5", {K::ChooseEntry, 5}},
        {"ID_BUTTON10", {K::ChooseEntry, 6}}, {"ID_BUTTON9", {K::ChooseEntry, 7}},
        {"ID_BUTTON8", {K::ChooseEntry, 8}}, {"ID_BUTTON11", {K::ChooseEntry, 9}},
        {"ID_BUTTON12", {K::ChooseEntry, 10}}, {"ID_BUTTON13", {K::ChooseEntry, 11}},
        {"ID_BUTTON14", {K::ChooseEntry, 12}}, {"ID_BUTTON15", {K::ChooseEntry, 13}},
        {"ID_BUTTON16", {K::ChooseEntry, 14}}, {"ID_BUTTON17", {K::ChooseEntry, 15}},
        {"BnRatingBar", {K::ChooseEntry, 16}}, {"BnDatePicker", {K::ChooseEntry, 17}},
        {"ID_BUTTON18", {K::Generate, 0}}, {"CiktiJava", {K::OutputLanguage, 0}},
        {"CiktiKotlin", {K::OutputLanguage, 1}}, {"LN_PROGRAMAYARLARI", {K::ProgramSettings, 0}},
        {"ID_APP_ABOUT", {K::About, 0}}, {"WzActivityBtn", {K::ChooseEntry, 10}},
        {"KPBtn03", {K::MenuDesigner, 0}}, {"CokluListe01", {K::ChooseEntry, 6}},
        {"CokluListe02", {K::ChooseEntry, 7}}, {"CokluListe03", {K::ChooseEntry, 14}},
        {"DevicePermissinId", {K::SettingSaver, 0}}, {"KPBtn113", {K::SqliteTool, 0}},
        {"DLGStandart", {K::DialogDesigner, 0}}, {"DLGYukleniyor", {K::DialogDesigner, 1}},
        {"DLGBekleyin", {K::DialogDesigner, 2}}, {"DLGEvetHayir", {K::DialogDesigner, 3}},
        {"DLGToast", {K::DialogDesigner, 4}}, {"LayoutXmlKod", {K::LayoutToCode, 0}},
        {"YARDIM_BIR", {K::Help, 0}}, {"YARDIM_IKI", {K::Help, 1}}, {"YARDIM_UC", {K::Help, 2}},
        {"YARDIM_DORT", {K::Help, 3}}, {"KPBtn01", {K::Snippet, 0}}, {"KPBtn02", {K::Snippet, 1}},
        {"KPBtn04", {K::Snippet, 2}}, {"KPBtn06", {K::Snippet, 3}}, {"KPBtn115", {K::Snippet, 4}},
        {"KPBtn07", {K::Snippet, 5}}, {"KPBtn114", {K::Snippet, 6}}, {"KPBtn08", {K::Snippet, 7}},
        {"KPBtn09", {K::Snippet, 8}}, {"KPBtn10", {K::Snippet, 9}}, {"KPBtn11", {K::Snippet, 10}},
        {"KPBtn12", {K::Snippet, 11}}, {"EPOSTA_GONDER", {K::Snippet, 12}},
        {"SMS_KIMLIK", {K::Snippet, 13}}, {"KP_TARIHSAAT", {K::Snippet, 14}},
        {"KP_FLASHLAMBASI", {K::Snippet, 15}}, {"KP_BARKOD", {K::Snippet, 16}},
        {"KP_CIHAZBILGILERI", {K::Snippet, 17}}, {"KP_SIMBILGILERI", {K::Snippet, 18}},
        {"KP_BELLEKBILGILERI", {K::Snippet, 19}}, {"KP_INTERNETEBAGLIMIYIM", {K::Snippet, 20}},
        {"IDC_BUTTON2A", {K::Reset, 0}}, {"IDC_BUTTON3A", {K::Exit, 0}}};
    // clang-format on
    std::set<std::string_view> seen;
    for (const RibbonElement* e : allCommandElements()) {
        ASSERT_TRUE(expected.count(e->id)) << "unexpected element " << e->id;
        EXPECT_TRUE(e->command == expected.at(e->id)) << e->id;
        seen.insert(e->id);
    }
    EXPECT_EQ(seen.size(), expected.size());
}

TEST(Ribbon, TooltipsLabelsAndIcons) {
    // clang-format off
    const std::set<std::string_view> withTips{"IDC_BUTTON3A", "IDC_BUTTON2A", "ID_BUTTON18",
        "LN_PROGRAMAYARLARI", "YARDIM_BIR", "YARDIM_IKI", "YARDIM_UC", "YARDIM_DORT", "ID_APP_ABOUT", "LayoutXmlKod",
        "CiktiJava", "CiktiKotlin"};
    // clang-format on
    std::vector<const RibbonElement*> all = allCommandElements();
    all.push_back(&ribbon().categories[1].panels[2].elements.at(0));  // the drop-down button
    for (const RibbonElement* e : all) {
        SCOPED_TRACE(std::string(e->id));
        EXPECT_FALSE(e->label.empty() || e->icon.empty());
        EXPECT_EQ(!e->tipTitle.empty(), withTips.count(e->id) == 1);
        EXPECT_EQ(e->tipTitle.empty(), e->tipText.empty());
    }
    const RibbonElement& exit = ribbon().applicationMenu.back();
    EXPECT_EQ(exit.tipTitle, "Programı Kapat");
    EXPECT_EQ(exit.tipText, "Program kapanır ve Windowsa dönersiniz");
    EXPECT_EQ(ribbon().categories[1].panels.back().elements.back().label, "Layout'tan Kod");
}

TEST(KeyTips, WalksFromCategoriesToElements) {
    KeyTips keys(ribbon());
    EXPECT_FALSE(keys.type("2").handled);  // nothing shown yet
    keys.alt();
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Categories);
    for (const char* tip : {"", "9", "V"}) EXPECT_FALSE(keys.type(tip).handled) << tip;
    EXPECT_EQ(keys.type("2").openCategory, 1);
    EXPECT_FALSE(keys.type("O").handled);  // belongs to another category

    const auto run = keys.type("v");
    EXPECT_TRUE(run.handled);
    ASSERT_NE(run.element, nullptr);
    EXPECT_EQ(run.element->id, "KPBtn113");

    keys.alt();
    EXPECT_EQ(keys.type("3").openCategory, 3);  // Escape is the widget's KeyTips test
    keys.escape();
    keys.escape();
    keys.alt();
    const auto menu = keys.type("q");
    EXPECT_TRUE(menu.handled);
    EXPECT_TRUE(menu.openApplicationMenu);
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Off);

    keys.alt();
    keys.alt();
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Off);

    // The output language is chosen from the first level, whatever category is open.
    keys.alt();
    const auto kotlin = keys.type("k");
    ASSERT_NE(kotlin.element, nullptr);
    EXPECT_EQ(kotlin.element->id, "CiktiKotlin");
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Off);
}

}  // namespace
}  // namespace nakkas
