#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ribbon_widget.h"

namespace nakkas::test {
namespace {

// The ribbon stands alone here: what a command does is the form view's business.
class RibbonKeyTipsUi : public ::testing::Test {
protected:
    void SetUp() override {
        ribbon.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ribbon));
    }
    void type(char key) { QTest::keyClick(&ribbon, key); }
    void alt() { QTest::keyClick(&ribbon, Qt::Key_Alt); }

    RibbonWidget ribbon;
    QSignalSpy spy{&ribbon, &RibbonWidget::commandTriggered};
};

TEST_F(RibbonKeyTipsUi, AltCategoryAndElementTipRunTheElement) {
    alt();
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Categories);
    type('2');
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Elements);
    EXPECT_EQ(ribbon.currentCategory(), 1);
    type('v');
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Off);
    // The element runs once the key handler has returned.
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.size() > 0; }, 2000));
    ASSERT_EQ(spy.size(), 1);
    const auto command = spy.at(0).at(0).value<Command>();
    EXPECT_EQ(command.kind, CommandKind::SqliteTool);
}

TEST_F(RibbonKeyTipsUi, EscapeStepsBackThenLeaves) {
    alt();
    type('2');
    QTest::keyClick(&ribbon, Qt::Key_Escape);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Categories);
    EXPECT_EQ(ribbon.currentCategory(), 1);
    QTest::keyClick(&ribbon, Qt::Key_Escape);
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Off);

    // With the tips gone, and after Alt pressed twice, the tips are ordinary keys again.
    ribbon.setCurrentCategory(0);
    alt();
    alt();
    EXPECT_EQ(ribbon.keyTipMode(), KeyTips::Mode::Off);
    type('2');
    type('v');
    QTest::qWait(20);
    EXPECT_EQ(spy.size(), 0);
    EXPECT_EQ(ribbon.currentCategory(), 0);
}

}  // namespace
}  // namespace nakkas::test
