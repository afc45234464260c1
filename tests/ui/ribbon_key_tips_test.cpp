#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ribbon_widget.h"

namespace nakkas::test {
namespace {

// The ribbon stands alone here: what a command does is the form view's business, and the walk
// through the tips in all its cases is the core's KeyTips test.
TEST(RibbonKeyTipsUi, AltCategoryAndElementTipRunTheElementEscapeStepsBack) {
    RibbonWidget ribbon;
    ribbon.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ribbon));
    QSignalSpy spy(&ribbon, &RibbonWidget::commandTriggered);
    const auto key = [&](int k) { QTest::keyClick(&ribbon, Qt::Key(k)); };

    key(Qt::Key_Alt);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Categories);
    key(Qt::Key_2);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Elements);
    EXPECT_EQ(ribbon.currentCategory(), 1);
    key(Qt::Key_V);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Off);
    // The element runs once the key handler has returned.
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.size() > 0; }, 2000));
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<Command>().kind, CommandKind::SqliteTool);

    key(Qt::Key_Alt);
    key(Qt::Key_2);
    key(Qt::Key_Escape);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Categories);
    key(Qt::Key_Escape);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Off);
    key(Qt::Key_V);
    QTest::qWait(20);
    EXPECT_EQ(spy.size(), 1);  // with the tips gone a tip is an ordinary key
}

}  // namespace
}  // namespace nakkas::test
