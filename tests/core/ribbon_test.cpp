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

    // Element tips, per category, with the element that carries each.
    const std::vector<std::map<std::string_view, std::string_view>> expected{
        {{"O", "ID_BUTTON18"}, {"A", "LN_PROGRAMAYARLARI"}, {"H", "ID_APP_ABOUT"}},
        {{"T", "WzActivityBtn"}, {"M", "KPBtn03"}, {"L", "RBCokluListeKutusu"},
         {"R", "DevicePermissinId"}, {"V", "KPBtn113"}, {"X", "LayoutXmlKod"}},
        {}, {}, {}};
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

TEST(Ribbon, ElementsInDisplayOrder) {
    const auto& cats = ribbon().categories;
    Strings layout;
    for (const auto& p : cats[0].panels)
        for (const auto& e : p.elements) layout.push_back(e.label);
    EXPECT_EQ(layout, (Strings{"TextView", "Button", "CheckBox", "RadioButton", "Toggle",
                               "ProgressBar", "Spinner", "GridView", "EditText", "ImageBtn",
                               "TabHost", "ImageView", "WebView", "VideoView", "ListView",
                               "SeekBar", "RatingBar", "DatePicker", "OLUŞTUR",
                               "Program Ayarları", "Hakkında"}));
    // Each element's command against its label: the form view's command test.

    Strings tools;
    for (const auto& p : cats[1].panels)
        for (const auto& e : p.elements) tools.push_back(e.id);
    EXPECT_EQ(tools, (Strings{"WzActivityBtn", "KPBtn03", "RBCokluListeKutusu",
                              "DevicePermissinId", "KPBtn113", "DLGStandart", "DLGYukleniyor",
                              "DLGBekleyin", "DLGEvetHayir", "DLGToast", "LayoutXmlKod"}));
    EXPECT_EQ(ids(cats[2].panels[0].elements),
              (Strings{"YARDIM_BIR", "YARDIM_IKI", "YARDIM_UC", "YARDIM_DORT"}));
    // The snippets follow their catalogue: 14 in the first category, 7 in the second.
    EXPECT_EQ(cats[3].panels[0].elements.size(), 14u);
    EXPECT_EQ(cats[4].panels[0].elements.size(), 7u);
    int next = 0;
    for (const auto* c : {&cats[3], &cats[4]})
        for (const auto& e : c->panels[0].elements) {
            EXPECT_EQ(e.command, (Command{CommandKind::Snippet, next}));
            EXPECT_EQ(e.id, snippetCatalogue()[size_t(next++)].element);
        }
}

TEST(Ribbon, MultiObjectToolApplicationMenuAndTabRow) {
    // Where each entry leads is checked against its label by the form view's command test.
    const RibbonElement& multi = ribbon().categories[1].panels[2].elements.at(0);
    EXPECT_EQ(multi.label, "Çoklu Nesne Aracı");
    EXPECT_EQ(multi.command.kind, CommandKind::None);  // it only opens its drop-down
    EXPECT_EQ(ids(multi.dropDown), (Strings{"CokluListe01", "CokluListe02", "CokluListe03"}));
    EXPECT_EQ(ids(multi.dropDown, &RibbonElement::label),
              (Strings{"Spinner", "GridView", "ListBox"}));

    const Ribbon& r = ribbon();
    EXPECT_EQ(ids(r.applicationMenu), (Strings{"IDC_BUTTON2A", "|", "ID_BUTTON18",
                                               "LN_PROGRAMAYARLARI", "ID_APP_ABOUT", "|",
                                               "IDC_BUTTON3A"}));
    EXPECT_EQ(ids(r.applicationMenu, &RibbonElement::label),
              (Strings{"Sıfırla", "|", "Oluştur", "Ayarlar", "Hakkında", "|", "Çıkış"}));
    std::vector<CommandKind> kinds;
    for (const auto& e : r.applicationMenu)
        if (!e.separator) kinds.push_back(e.command.kind);
    EXPECT_EQ(kinds, (std::vector<CommandKind>{CommandKind::Reset, CommandKind::Generate,
                                               CommandKind::ProgramSettings, CommandKind::About,
                                               CommandKind::Exit}));
    EXPECT_EQ(r.tabRowElement.label, "Hakkında");
    EXPECT_EQ(r.tabRowElement.command.kind, CommandKind::About);
}

TEST(Ribbon, TooltipsLabelsAndIcons) {
    const std::set<std::string_view> withTips{"IDC_BUTTON3A", "IDC_BUTTON2A", "ID_BUTTON18",
                                              "LN_PROGRAMAYARLARI", "YARDIM_BIR", "YARDIM_IKI",
                                              "YARDIM_UC", "YARDIM_DORT", "ID_APP_ABOUT",
                                              "LayoutXmlKod"};
    std::vector<const RibbonElement*> all = allCommandElements();
    all.push_back(&ribbon().categories[1].panels[2].elements.at(0));  // the drop-down button
    for (const RibbonElement* e : all) {
        SCOPED_TRACE(std::string(e->id));
        EXPECT_FALSE(e->label.empty());
        EXPECT_FALSE(e->icon.empty());
        EXPECT_EQ(!e->tipTitle.empty(), withTips.count(e->id) == 1);
        EXPECT_EQ(e->tipTitle.empty(), e->tipText.empty());
        if (e->id == "IDC_BUTTON3A") {
            EXPECT_EQ(e->tipTitle, "Programı Kapat");
            EXPECT_EQ(e->tipText, "Program kapanır ve Windowsa dönersiniz");
        }
        if (e->id == "LayoutXmlKod") {
            EXPECT_EQ(e->label, "Layout'tan Kod");
            EXPECT_EQ(e->command.kind, CommandKind::LayoutToCode);
        }
    }
}

TEST(KeyTips, WalksFromCategoriesToElements) {
    KeyTips keys(ribbon());
    EXPECT_FALSE(keys.type("2").handled);  // nothing shown yet
    keys.alt();
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Categories);
    EXPECT_FALSE(keys.type("").handled);  // categories without a tip are not reachable
    EXPECT_FALSE(keys.type("9").handled);
    EXPECT_FALSE(keys.type("V").handled);  // an element tip at the category level

    const auto open = keys.type("2");
    EXPECT_TRUE(open.handled);
    EXPECT_EQ(open.openCategory, 1);
    EXPECT_FALSE(keys.type("O").handled);  // belongs to another category

    const auto run = keys.type("v");
    ASSERT_TRUE(run.handled);
    ASSERT_NE(run.element, nullptr);
    EXPECT_EQ(run.element->id, "KPBtn113");
    EXPECT_EQ(run.element->command.kind, CommandKind::SqliteTool);

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
}

}  // namespace
}  // namespace nakkas
