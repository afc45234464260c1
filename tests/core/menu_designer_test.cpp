#include "tools/menu_designer/menu_designer.h"

#include <gtest/gtest.h>

#include "expected_files.h"
#include "fake_services.h"
#include "platform/services.h"
#include "tools/menu_designer/menu_code.h"

namespace nakkas {
namespace {

using test::FakeServices;

struct Opening {
    explicit Opening(MenuDesignMode mode = MenuDesignMode::Normal)
        : designer(services, records, mode) {
        resetMenuItems(records, "ic_launcher");
    }
    FakeServices services;
    MenuRecords records;
    MenuDesigner designer;

    void list(const std::string& count) {
        designer.countText = count;
        ASSERT_TRUE(designer.list().ok());
    }
};

TEST(MenuDesigner, CountMustBeExactlyOneDigitFromOneToSix) {
    const char* refused[] = {"7", "0", "01", " 3", "3 ", "", "-1", "+2", "٣", "66"};
    for (const char* text : refused) {
        SCOPED_TRACE(std::string("count '") + text + "'");
        Opening o;
        o.records.count = 4;  // left from an earlier design: a refusal must not touch it
        o.designer.countText = text;
        const Outcome outcome = o.designer.list();
        EXPECT_EQ(outcome,
                  Outcome::refused("Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır."));
        ASSERT_EQ(o.services.messages.size(), 1u);
        EXPECT_EQ(o.services.lastMessage().text, outcome.message);
        EXPECT_EQ(o.services.lastMessage().caption, "Hata");
        EXPECT_EQ(o.services.lastMessage().icon, MessageIcon::Error);
        EXPECT_EQ(o.services.lastMessage().buttons, MessageButtons::Ok);
        EXPECT_TRUE(o.designer.countEnabled());
        EXPECT_FALSE(o.designer.okEnabled());
        EXPECT_TRUE(o.designer.entries().empty());
        EXPECT_EQ(o.records.count, 4);
        EXPECT_FALSE(o.designer.confirm());  // OK is impossible before a listing
    }

    const std::vector<std::string> six = {"Menu Madde1", "Menu Madde2", "Menu Madde3",
                                          "Menu Madde4", "Menu Madde5", "Menu Madde6"};
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        Opening o;
        o.list(std::to_string(n));
        EXPECT_TRUE(o.services.messages.empty());
        EXPECT_EQ(o.designer.entries(), std::vector<std::string>(six.begin(), six.begin() + n));
        EXPECT_EQ(o.records.count, n);
        EXPECT_FALSE(o.designer.countEnabled());  // fixed once listed
        EXPECT_TRUE(o.designer.okEnabled());
        EXPECT_FALSE(o.designer.titleEnabled());  // nothing chosen yet
        o.designer.countText = "2";
        o.designer.list();
        EXPECT_EQ(o.records.count, n);
    }
}

TEST(MenuDesigner, EditingOneTitleKeepsTheOthers) {
    Opening o;
    o.list("3");
    o.designer.editTitle("yok sayılır");  // no entry chosen yet
    o.designer.choose(1);
    EXPECT_EQ(o.designer.menuIdText(), "zep2_menu");
    EXPECT_EQ(o.designer.titleText(), "Menu ismi 2");
    o.designer.editTitle("Ayarlar");
    o.designer.choose(0);
    EXPECT_EQ(o.designer.titleText(), "Menu ismi 1");
    o.designer.choose(1);
    EXPECT_EQ(o.designer.titleText(), "Ayarlar");
    o.designer.choose(3);  // beyond the listed entries
    EXPECT_EQ(o.designer.current(), 1);
    EXPECT_EQ(o.records.items[0].title, "Menu ismi 1");
    EXPECT_EQ(o.records.items[1].title, "Ayarlar");
    EXPECT_EQ(o.records.items[2].title, "Menu ismi 3");
    EXPECT_EQ(o.records.items[1].menuId, "zep2_menu");
}

TEST(MenuDesigner, OnlyTheTabHostModeEditsIcons) {
    struct Case {
        MenuDesignMode mode;
        std::string_view okCaption;
        bool icons;
    };
    for (const Case c : {Case{MenuDesignMode::Normal, "Oluştur", false},
                         Case{MenuDesignMode::TabActi, "Kaydet", true}}) {
        SCOPED_TRACE(std::string(c.okCaption));
        Opening o(c.mode);
        o.records.items[0].iconSourcePath = "/eski/simge.png";
        EXPECT_EQ(o.designer.okCaption(), c.okCaption);
        o.list("2");
        EXPECT_FALSE(o.designer.iconEnabled());
        o.designer.choose(0);
        EXPECT_TRUE(o.designer.titleEnabled());
        EXPECT_EQ(o.designer.iconEnabled(), c.icons);
        EXPECT_EQ(o.designer.iconNameText(), "ic_launcher");
        o.designer.editIconName("elle_yazilan");
        EXPECT_EQ(o.records.items[0].iconName, c.icons ? "elle_yazilan" : "ic_launcher");
        o.designer.chooseIcon({"/home/ali/resimler/kaydet.simge.png", "kaydet.simge.png"});
        EXPECT_EQ(o.records.items[0].iconName, c.icons ? "kaydet.simge" : "ic_launcher");
        EXPECT_EQ(o.records.items[0].iconSourcePath,
                  c.icons ? "/home/ali/resimler/kaydet.simge.png" : "/eski/simge.png");
        EXPECT_EQ(o.records.items[1].iconName, "ic_launcher");
    }
    EXPECT_EQ(menuDesignModeFromName("Normal"), MenuDesignMode::Normal);
    EXPECT_EQ(menuDesignModeFromName("TabActi"), MenuDesignMode::TabActi);
    EXPECT_EQ(menuDesignModeFromName("normal"), MenuDesignMode::TabActi);
}

TEST(MenuDesigner, CancelZeroesTheCountButKeepsStoredEdits) {
    Opening o(MenuDesignMode::TabActi);
    o.list("3");
    o.designer.choose(2);
    o.designer.editTitle("Paylaş");
    o.designer.chooseIcon({"/p/paylas.png", "paylas.png"});
    o.designer.cancel();
    EXPECT_EQ(o.records.count, 0);
    EXPECT_EQ(o.records.items[2].title, "Paylaş");
    EXPECT_EQ(o.records.items[2].iconName, "paylas");
    EXPECT_EQ(o.records.items[2].iconSourcePath, "/p/paylas.png");
    EXPECT_FALSE(o.designer.confirmed());

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
