#include "app/looks.h"

#include <gtest/gtest.h>

#include "app/program_settings.h"
#include "message_checks.h"

namespace nakkas {
namespace {

using test::FakeServices;

// 216 when nothing, or no style number, is stored.
TEST(LookSetting, StartsFromTheStoredStyle) {
    for (const auto& [stored, look] : {std::pair{0, 216}, {219, 219}, {205, 205}, {211, 216}}) {
        FakeServices s;
        if (stored) s.ints["ApplicationLook"] = stored;
        EXPECT_EQ(LookSetting(s).current(), look) << stored;
        EXPECT_TRUE(s.writeLog.empty()) << stored;
    }
}

TEST(LookSetting, OnlyAChangedStyleIsStored) {
    FakeServices s;
    LookSetting setting(s);
    EXPECT_FALSE(setting.choose(216));
    EXPECT_FALSE(setting.choose(211));  // no style: the default, which is already current
    EXPECT_TRUE(setting.choose(219));
    EXPECT_EQ(setting.current(), 219);
    EXPECT_TRUE(s.writeLog.empty());  // choosing alone stores nothing
    EXPECT_EQ(setting.store(), Outcome::done());
    EXPECT_EQ(s.ints["ApplicationLook"], 219);
    EXPECT_TRUE(s.messages.empty());
}

// The style is still used for this run.
TEST(LookSetting, AFailedStoreIsReported) {
    FakeServices s;
    s.storeWritable = false;
    LookSetting setting(s);
    ASSERT_TRUE(setting.choose(205));
    const std::string message = settingsWriteFailedText(s.settingsLocation());
    EXPECT_EQ(setting.store(), Outcome::refused(message));
    ASSERT_EQ(s.messages.size(), 1u);
    test::expectMessage(s.messages[0], message, "Hata", MessageIcon::Error);
    EXPECT_EQ(setting.current(), 205);
}

}  // namespace
}  // namespace nakkas
