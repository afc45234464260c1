#include "tools/menu_designer/menu_designer.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>

#include "expected_files.h"
#include "fake_services.h"
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
        o.records.count = 4;  // left from an earlier design: a refusal must not touch it
        o.designer.countText = counts[i];
        EXPECT_EQ(o.designer.list(), n ? Outcome::done() : Outcome::refused(message));
        EXPECT_EQ(o.services.messages.size(), n ? 0u : 1u);
        EXPECT_EQ(o.designer.entries().size(), std::size_t(n));
        EXPECT_EQ(o.records.count, n ? n : 4);
        EXPECT_EQ(o.designer.countEnabled(), !n);  // fixed once listed
        EXPECT_EQ(o.designer.okEnabled(), n > 0);
        EXPECT_FALSE(o.designer.titleEnabled());  // nothing chosen yet
        if (n) {
            EXPECT_EQ(o.designer.entries().back(), "Menu Madde" + std::to_string(n));
        } else {
            const auto m = o.services.lastMessage();
            EXPECT_EQ(std::tuple(m.text, m.caption, m.icon, m.buttons),
                      std::tuple(message, "Hata", MessageIcon::Error, MessageButtons::Ok));
            EXPECT_FALSE(o.designer.confirm());  // OK is impossible before a listing
        }
        o.designer.countText = "2";
        o.designer.list();
        EXPECT_EQ(o.records.count, n ? n : 2);
    }
}

TEST(MenuDesigner, OnlyTheTabHostModeEditsIcons) {
    for (const bool icons : {false, true}) {
        SCOPED_TRACE(icons ? "TabActi" : "Normal");
        Opening o(icons ? MenuDesignMode::TabActi : MenuDesignMode::Normal);
        o.records.items[0].iconSourcePath = "/eski/simge.png";
        o.list("2");
        EXPECT_FALSE(o.designer.iconEnabled());
        o.designer.choose(0);
        EXPECT_TRUE(o.designer.titleEnabled());
        EXPECT_EQ(o.designer.iconEnabled(), icons);
        EXPECT_EQ(o.designer.iconNameText(), "ic_launcher");
        o.designer.editIconName("elle_yazilan");
        EXPECT_EQ(o.records.items[0].iconName, icons ? "elle_yazilan" : "ic_launcher");
        o.designer.chooseIcon({"/home/ali/resimler/kaydet.simge.png", "kaydet.simge.png"});
        EXPECT_EQ(o.records.items[0].iconName, icons ? "kaydet.simge" : "ic_launcher");
        EXPECT_EQ(o.records.items[0].iconSourcePath,
                  icons ? "/home/ali/resimler/kaydet.simge.png" : "/eski/simge.png");
        EXPECT_EQ(o.records.items[1].iconName, "ic_launcher");
    }
    EXPECT_EQ(menuDesignModeFromName("Normal"), MenuDesignMode::Normal);
    EXPECT_EQ(menuDesignModeFromName("normal"), MenuDesignMode::TabActi);  // only the exact name
}

TEST(MenuDesigner, EditsStayInTheirOwnRecordAndSurviveACancel) {
    Opening o(MenuDesignMode::TabActi);
    o.list("3");
    o.designer.editTitle("yok sayılır");  // no entry chosen yet
    o.designer.choose(1);
    EXPECT_EQ(o.designer.menuIdText(), "zep2_menu");
    EXPECT_EQ(o.designer.titleText(), "Menu ismi 2");
    o.designer.editTitle("Paylaş");
    o.designer.chooseIcon({"/p/paylas.png", "paylas.png"});
    o.designer.choose(0);
    EXPECT_EQ(o.designer.titleText(), "Menu ismi 1");
    o.designer.choose(3);  // beyond the listed entries
    EXPECT_EQ(o.designer.current(), 0);
    o.designer.cancel();  // zeroes the count but keeps the stored edits
    EXPECT_EQ(o.records.count, 0);
    EXPECT_FALSE(o.designer.confirmed());
    const auto& items = o.records.items;
    EXPECT_EQ(std::tuple(items[0].title, items[1].title, items[2].title),
              std::tuple("Menu ismi 1", "Paylaş", "Menu ismi 3"));
    EXPECT_EQ(std::tuple(items[1].iconName, items[1].iconSourcePath),
              std::tuple("paylas", "/p/paylas.png"));

    // A cancel that comes after the OK (the host closing an accepted dialog) keeps the design.
    Opening saved;
    saved.list("2");
    EXPECT_TRUE(saved.designer.confirm());
    saved.designer.cancel();
    EXPECT_EQ(saved.records.count, 2);
    EXPECT_TRUE(saved.designer.confirmed());
}

TEST(MenuCode, WritesTheJavaPartInstructionsAndTheResource) {
    MenuRecords records;
    resetMenuItems(records, "ic_launcher");
    records.count = 1;
    EXPECT_TRUE(
        test::sameText(menuCode(records), test::readDataCrLf("menu_designer/one_item.txt")));

    // An empty title and one with double quotes go in as typed; records past the count are
    // never read.
    records.count = 2;
    records.items[0].title = "";
    records.items[1].title = "Sil \"hepsi\"";
    records.items[2].title = "kullanılmaz";
    EXPECT_TRUE(test::sameText(menuCode(records),
                               test::readDataCrLf("menu_designer/empty_and_quoted_titles.txt")));

    // A count out of range cannot read past the six records.
    records.count = 9;
    EXPECT_EQ(menuItemXml(records).find("zep7"), std::string::npos);
    records.count = -1;
    EXPECT_EQ(menuItemXml(records), "");
}

}  // namespace
}  // namespace nakkas
