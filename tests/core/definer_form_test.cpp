#include "definer/definer_form.h"

#include <gtest/gtest.h>

#include "definer/widget_catalogue.h"

namespace nakkas {
namespace {

std::size_t entry(std::string_view label) {
    return findEntryByLabel(label).value();
}

TEST(WidgetCatalogue, LookupsAndAtOnceEntries) {
    ASSERT_EQ(widgetCatalogue().size(), 18u);
    EXPECT_EQ(widgetCatalogue()[*findEntryByTypeKey("toggle")].label, "Toggle");
    EXPECT_EQ(widgetCatalogue()[entry("ImageBtn")].typeKey, "imageButton");
    EXPECT_FALSE(findEntryByLabel("textview"));  // exact, case-sensitive
    EXPECT_FALSE(findEntryByTypeKey("YOK"));
    int atOnce = 0, withItems = 0;
    for (const auto& e : widgetCatalogue()) {
        atOnce += generatesAtOnce(e.typeKey);
        withItems += needsListItems(e.typeKey);
    }
    EXPECT_EQ(atOnce, 4);
    EXPECT_EQ(withItems, 3);
    EXPECT_TRUE(generatesAtOnce("tabHost"));
    EXPECT_FALSE(needsListItems("tabHost"));
}

TEST(DefinerForm, ChoosingProposesNamesFromStemsAndEachEntrysUncappedCounter) {
    DefinerForm form("MainActivity");
    form.variableName = "yazilan";
    form.choose(entry("TextView"));
    EXPECT_EQ(form.variableName, "textView1");
    EXPECT_EQ(form.idName, "textView1");

    form.sameAsId = false;
    const std::tuple<std::string_view, std::string, std::string, std::string> rows[] = {
        {"TextView", "label_degisken1", "textView1", "textView"},
        {"Toggle", "toggle_degisken1", "toggleButton1", "toggle"},
        {"DatePicker", "date_degisken1", "datePicker1", "datePicker"},
        {"RatingBar", "rating_degisken1", "ratingBar1", "ratingBar"}};
    for (const auto& [label, variable, id, type] : rows) {
        form.choose(entry(label));
        EXPECT_EQ(form.variableName, variable);
        EXPECT_EQ(form.idName, id);
        EXPECT_EQ(form.currentType(), type);
    }
    EXPECT_EQ(form.counter(entry("Toggle")), 1);  // choosing never advances

    for (int i = 0; i < 10; ++i) form.advanceCounter(entry("TextView"));
    form.choose(entry("Button"));
    EXPECT_EQ(form.idName, "button1");
    form.choose(entry("TextView"));
    EXPECT_EQ(form.idName, "textView11");
}

TEST(DefinerForm, StartState) {
    DefinerForm form("AnaEkran");
    EXPECT_EQ(form.currentType(), "YOK");
    EXPECT_EQ(form.accessModifier(), "final");
    EXPECT_TRUE(form.sameAsId);
    EXPECT_TRUE(form.advance);
    EXPECT_TRUE(form.writeListener);
    EXPECT_TRUE(form.writeDeclaration);
    EXPECT_EQ(form.variableName, "");
    EXPECT_EQ(form.idName, "");
}

TEST(DefinerForm, ResetKeepsTheBoxesAndTheAccessEntry) {
    DefinerForm form("AnaEkran");
    form.selectAccess(5);  // "--Boş--"
    EXPECT_EQ(form.accessModifier(), "");
    form.selectAccess(4);
    EXPECT_EQ(form.accessModifier(), "static");

    form.choose(entry("SeekBar"));
    form.advanceCounter(entry("SeekBar"));
    form.advanceCounter(entry("Button"));
    form.writeDeclaration = false;
    form.reset();
    EXPECT_EQ(form.currentType(), "YOK");
    for (std::size_t i = 0; i < 18; ++i) EXPECT_EQ(form.counter(i), 1) << i;  // as at the start
    EXPECT_EQ(form.activityName, "MainActivity");
    EXPECT_EQ(form.variableName, "");
    EXPECT_EQ(form.idName, "");
    EXPECT_EQ(form.accessModifier(), "static");  // boxes and access keep their state
    EXPECT_FALSE(form.writeDeclaration);
}

}  // namespace
}  // namespace nakkas
