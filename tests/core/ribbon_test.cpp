#include "app/ribbon.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/key_tips.h"

namespace nakkas {
namespace {

// The tables themselves are the ribbon's; what they must keep is that each tip can be typed
// without ambiguity and that a button shown in several places does the same everywhere.
TEST(Ribbon, KeyTipsAreUniqueWhereTheyAreTyped) {
    const Ribbon& r = ribbon();
    std::set<std::string_view> first{r.applicationKeyTip};
    for (const auto& e : r.tabRowChoices) EXPECT_TRUE(first.insert(e.keyTip).second) << e.keyTip;
    for (const auto& c : r.categories) {
        EXPECT_TRUE(c.keyTip.empty() || first.insert(c.keyTip).second) << c.keyTip;
        std::set<std::string_view> inside;
        for (const auto& p : c.panels)
            for (const auto& e : p.elements)
                EXPECT_TRUE(e.keyTip.empty() || inside.insert(e.keyTip).second) << e.keyTip;
    }
}

TEST(Ribbon, AnElementInSeveralPlacesSendsOneCommandAndEachHasItsLabelIconAndTip) {
    std::map<std::string_view, Command> commandOf;
    std::vector<const RibbonElement*> all = allCommandElements();
    all.push_back(&ribbon().categories[1].panels[2].elements.at(0));  // the drop-down button
    for (const RibbonElement* e : all) {
        SCOPED_TRACE(std::string(e->id));
        EXPECT_TRUE(commandOf.emplace(e->id, e->command).first->second == e->command);
        EXPECT_FALSE(e->label.empty());
        EXPECT_FALSE(e->icon.empty());
        EXPECT_EQ(e->tipTitle.empty(), e->tipText.empty());
    }
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
    ASSERT_NE(run.element, nullptr);
    EXPECT_EQ(run.element->id, "KPBtn113");

    keys.alt();
    EXPECT_EQ(keys.type("3").openCategory, 3);  // Escape is the widget's KeyTips test
    keys.escape();
    keys.escape();
    keys.alt();
    const auto menu = keys.type("q");
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
