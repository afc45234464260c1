#include "tools/menu_designer/menu_designer.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>
#include <utility>

#include "expected_files.h"
#include "message_checks.h"
#include "tools/menu_designer/menu_code.h"

namespace nakkas {
namespace {

struct Opening {
    explicit Opening(MenuDesignMode mode = MenuDesignMode::Normal)
        : designer(services, records, mode) {
        resetMenuItems(records, "ic_launcher");
    }
    test::FakeServices services;
    MenuRecords records;
    MenuDesigner designer;

    void list(const std::string& count) {
        designer.countText = count;
        ASSERT_TRUE(designer.list().ok());
    }
};

TEST(MenuDesigner, CountMustBeExactlyOneDigitFromOneToSix) {
    const std::string message = "Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır.";
    const char* counts[]{"1", "2", "3",  "4",  "5",  "6",  // listed; the rest are refused
                         "7", "0", "01", " 3", "3 ", "",  "-1", "+2", "٣", "66"};
    for (int i = 0; i < int(std::size(counts)); ++i) {
        const int n = i < 6 ? i + 1 : 0;
        SCOPED_TRACE(std::string("count '") + counts[i] + "'");
        Opening o;
        MenuDesigner& d = o.designer;
        o.records.count = 4;  // from an earlier design: a refusal must not touch it
        d.countText = counts[i];
        EXPECT_EQ(d.list(), n ? Outcome::done() : Outcome::refused(message));
        EXPECT_EQ(o.services.messages.size(), n ? 0u : 1u);
        EXPECT_EQ(d.entries().size(), std::size_t(n));
        EXPECT_EQ(o.records.count, n ? n : 4);
        EXPECT_EQ(d.countEnabled(), !n);
        EXPECT_EQ(d.okEnabled(), n > 0);
        EXPECT_FALSE(d.titleEnabled());
        if (n) {
            EXPECT_EQ(d.entries().back(), "Menu Madde" + std::to_string(n));
        } else {
            test::expectMessage(o.services.lastMessage(), message, "Hata", MessageIcon::Error);
            EXPECT_FALSE(d.confirm().ok());  // OK is impossible before a listing
        }
        d.countText = "2";
        d.list();
        EXPECT_EQ(o.records.count, n ? n : 2);
    }
}

TEST(MenuDesigner, OnlyTheTabHostModeEditsIcons) {
    for (const bool icons : {false, true}) {
        SCOPED_TRACE(icons ? "TabActi" : "Normal");
        Opening o(icons ? MenuDesignMode::TabActi : MenuDesignMode::Normal);
        MenuDesigner& d = o.designer;
        auto& items = o.records.items;
        items[0].iconSourcePath = "/eski/simge.png";
        o.list("2");
        EXPECT_FALSE(d.iconEnabled());
        d.choose(0);
        EXPECT_TRUE(d.titleEnabled());
        EXPECT_EQ(d.iconEnabled(), icons);
        EXPECT_EQ(d.iconNameText(), "ic_launcher");
        d.editIconName("elle_yazilan");
        EXPECT_EQ(items[0].iconName, icons ? "elle_yazilan" : "ic_launcher");
        o.services.openFiles = {std::nullopt,
                                OpenedFile{"/home/ali/resimler/kaydet.simge.png", ""}};
        EXPECT_EQ(d.pickIcon().kind, icons ? Outcome::Kind::Cancelled : Outcome::Kind::Refused);
        EXPECT_EQ(d.iconNameText(), icons ? "elle_yazilan" : "ic_launcher");
        EXPECT_EQ(d.pickIcon().ok(), icons);
        if (icons) {
            EXPECT_EQ(o.services.dialogs.back().title, "Menu için Simge Dosyası Seçin");
            EXPECT_EQ(o.services.dialogs.back().filter, "PNG Simge Dosyası (*.png)");
        } else {
            EXPECT_TRUE(o.services.dialogs.empty());
        }
        EXPECT_EQ(items[0].iconName, icons ? "kaydet.simge" : "ic_launcher");
        EXPECT_EQ(items[0].iconSourcePath,
                  icons ? "/home/ali/resimler/kaydet.simge.png" : "/eski/simge.png");
        EXPECT_EQ(items[1].iconName, "ic_launcher");
    }
}

TEST(MenuDesigner, EditsStayInTheirOwnRecordAndSurviveACancel) {
    Opening o(MenuDesignMode::TabActi);
    o.list("3");
    o.designer.editTitle("yok sayılır");  // no entry chosen yet
    o.designer.choose(1);
    EXPECT_EQ(o.designer.menuIdText(), "zep2_menu");
    EXPECT_EQ(o.designer.titleText(), "Menu ismi 2");
    o.designer.editTitle("Paylaş");
    o.designer.setIconFile("/p/paylas.png");
    o.designer.choose(0);
    o.designer.choose(3);  // beyond the listed entries
    EXPECT_EQ(o.designer.current(), 0);
    EXPECT_EQ(o.designer.titleText(), "Menu ismi 1");
    o.designer.cancel();  // zeroes the count but keeps the stored edits
    EXPECT_EQ(o.records.count, 0);
    EXPECT_FALSE(o.designer.confirmed());
    const auto& items = o.records.items;
    EXPECT_EQ(items[0].title + " | " + items[1].title + " " + items[1].iconName + " " +
                  items[1].iconSourcePath + " | " + items[2].title,
              "Menu ismi 1 | Paylaş paylas /p/paylas.png | Menu ismi 3");

    // A cancel that comes after the OK (the host closing an accepted dialog) keeps the design.
    Opening saved;
    saved.list("2");
    EXPECT_TRUE(saved.designer.confirm().ok());
    EXPECT_EQ(saved.designer.finish(false), Outcome::cancelled());
    EXPECT_EQ(saved.records.count, 2);
    EXPECT_TRUE(saved.designer.confirmed());
}

TEST(MenuCode, WritesTheMethodsInstructionsAndTheResourceInEitherLanguage) {
    for (const auto& [language, folder] : {std::pair{Language::Java, "menu_designer/"},
                                           std::pair{Language::Kotlin, "kotlin/menu_designer/"}}) {
        SCOPED_TRACE(folder);
        MenuRecords records;
        resetMenuItems(records, "ic_launcher");
        records.count = 1;
        EXPECT_TRUE(test::sameText(menuCode(records, language),
                                   test::readDataCrLf(folder + std::string("one_item.txt"))));

        // Titles go in as typed, quotes escaped in the XML; records past the count are never
        // read.
        records.count = 2;
        std::tie(records.items[0].title, records.items[1].title, records.items[2].title) =
            std::tuple("", "Sil \"hepsi\"", "kullanılmaz");
        EXPECT_TRUE(test::sameText(
            menuCode(records, language),
            test::readDataCrLf(folder + std::string("empty_and_quoted_titles.txt"))));

        records.count = 9;
        EXPECT_EQ(menuCode(records, language).find("zep7"), std::string::npos);
    }
    MenuRecords records;
    records.count = -1;
    EXPECT_EQ(menuXml(records, MenuTarget::CodePanel),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<menu "
              "xmlns:android=\"http://schemas.android.com/apk/res/android\">\r\n</menu>\r\n\r\n");
}

}  // namespace
}  // namespace nakkas
