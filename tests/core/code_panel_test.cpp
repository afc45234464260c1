#include "definer/code_panel.h"

#include <gtest/gtest.h>

#include <string>

#include "expected_files.h"

namespace nakkas {
namespace {

TEST(CodePanel, BannerWhole) {
    EXPECT_TRUE(
        test::sameText(std::string(bannerText()), test::readDataCrLf("code_panel/banner.txt")));
}

TEST(CodePanel, SlotsStoreShowEraseAndNavigationStopsAtBothEnds) {
    EXPECT_EQ(CodePanel::slotLabel(8), "Kod Alanı 9");
    EXPECT_EQ(CodePanel::slotLabel(9), "Kod Alanı10");
    StringPanelText text;
    CodePanel panel(text);
    panel.replace("ilk");
    panel.store();
    panel.replace("kaybolur");
    panel.previous();  // stays on the first slot and shows it
    EXPECT_EQ(panel.selectedSlot(), 0);
    EXPECT_EQ(panel.text(), "ilk");
    panel.next();  // an empty slot empties the panel at once
    EXPECT_EQ(panel.selectedSlot(), 1);
    EXPECT_EQ(panel.text(), "");

    panel.selectSlot(2);
    panel.replace("üç");
    panel.store();
    panel.erase();  // only the selected slot; the panel keeps its text
    EXPECT_EQ(panel.text(), "üç");
    EXPECT_EQ(panel.slot(0), "ilk");
    panel.show();
    EXPECT_EQ(panel.text(), "");

    panel.selectSlot(9);
    panel.replace("son");
    panel.store();
    panel.replace("kaybolur");
    panel.next();
    EXPECT_EQ(panel.selectedSlot(), 9);
    EXPECT_EQ(panel.text(), "son");
    panel.eraseAll();
    EXPECT_EQ(panel.text(), "son");
    for (int i = 0; i < CodePanel::kSlotCount; ++i) EXPECT_EQ(panel.slot(i), "") << i;
}

TEST(CodePanel, LineBreakConversions) {
    const struct {
        std::string_view text, crlf, lf;
    } cases[] = {
        {"", "", ""},
        {"a\nb\rc\r\nd", "a\r\nb\r\nc\r\nd", "a\nb\nc\nd"},
        {"a\n\rb", "a\r\n\r\nb", "a\n\nb"},  // LF then CR: two breaks
        {"a\r\r\n\n", "a\r\n\r\n\r\n", "a\n\n\n"},
        {"son\r", "son\r\n", "son\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n", "a\nb\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toCrLf(c.text), c.crlf);
        EXPECT_EQ(toLf(c.text), c.lf);
    }
}

}  // namespace
}  // namespace nakkas
