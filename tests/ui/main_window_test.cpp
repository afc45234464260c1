#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "app/ribbon.h"
#include "app/ribbon_widget.h"
#include "qt_text.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

TEST(MainWindowUi, OpensWithAFixedFrame) {
    FakeWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));

    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("ZEP - Nakkas - 2012"));
    EXPECT_FALSE(w.window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    w.window.resize(2000, 2000);
    EXPECT_EQ(w.window.size(), QSize(780, 770));
    w.window.resize(10, 10);
    EXPECT_EQ(w.window.size(), QSize(770, 760));
}

// Start-up may leave work for later only if the user cannot see it: nothing painted after the
// first frame (icons, the form, the panel's colours) changes a pixel of it.
TEST(MainWindowUi, TheFirstFrameIsTheWholeFirstScreen) {
    FakeWindow w(false);
    QImage first;
    struct FirstPaint : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && seen) {
                // The window's own paint comes before its children's: look once all are done.
                QTimer::singleShot(0, seen);
                seen = nullptr;
            }
            return false;
        }
    } watcher;
    watcher.seen = [&] {
        QPaintDevice* device = w.window.backingStore()->paintDevice();
        if (device->devType() == QInternal::Image) first = static_cast<QImage*>(device)->copy();
    };
    w.window.installEventFilter(&watcher);
    // Away from the pointer: a button it rests on would light up after the first frame.
    QCursor::setPos(0, 0);
    w.window.move(40, 40);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first.isNull(); }, 5000));

    QTest::qWait(300);  // whatever start-up put off has run by now
    const QImage settled = w.window.grab().toImage().convertToFormat(first.format());
    ASSERT_EQ(settled.size(), first.size());
    EXPECT_TRUE(settled == first) << "the first frame differs from the settled window";
}

// Names typed, picked, or set without keystrokes (a screen reader, a program) are what the
// generator reads.
TEST(MainWindowUi, DefinerWidgetsFeedWhatTheGeneratorReads) {
    FakeWindow w;
    clickRibbon(w.window, "ID_BUTTON3");
    EXPECT_EQ(field(w.window, "idName"), QStringLiteral("button1"));  // the form shows a proposal
    auto& access = child<QComboBox>(w.window, "accessModifier");
    access.setCurrentIndex(access.findText(QStringLiteral("--Boş--")));
    retype(w.window, "variableName", QStringLiteral("dugme"));
    click<QCheckBox>(w.window, "writeListener");
    clickRibbon(w.window, "ID_BUTTON18");
    EXPECT_EQ(w.panel(), " Button dugme = (Button) findViewById(R.id.button1);\r\n");

    auto* reader =
        QAccessible::queryAccessibleInterface(&child<QLineEdit>(w.window, "variableName"));
    ASSERT_NE(reader, nullptr);
    reader->setText(QAccessible::Value, QStringLiteral("tus"));
    child<QLineEdit>(w.window, "idName").setText(QStringLiteral("tamam"));
    clickRibbon(w.window, "ID_BUTTON18");
    EXPECT_EQ(w.panel(), " Button tus = (Button) findViewById(R.id.tamam);\r\n");
}

// The names are proposed before the list item creator or the Tab Host wizard opens, so the form
// behind the dialog must already show them.
TEST(MainWindowUi, TheFormShowsTheProposedNamesWhileADialogIsOpen) {
    FakeWindow w;
    clickRibbon(w.window, "ID_BUTTON3");
    for (const auto& [element, name] :
         {std::pair{"ID_BUTTON10", "spinner1"}, std::pair{"WzActivityBtn", "tabHost1"}}) {
        openDialog(w.window, element, [&](QDialog& d) {
            EXPECT_EQ(field(w.window, "variableName"), QString::fromLatin1(name)) << element;
            EXPECT_EQ(field(w.window, "idName"), QString::fromLatin1(name)) << element;
            d.reject();
        });
    }
}

// Exit answered Yes closes the window and starts nothing; the question is the form view's test.
TEST(MainWindowUi, ExitFromTheApplicationMenuClosesAfterYes) {
    FakeWindow w;
    auto* exit = w.window.ribbonWidget().applicationMenu()->findChild<QAction*>(
        QStringLiteral("IDC_BUTTON3A"));
    ASSERT_NE(exit, nullptr);
    w.services.answers = {MessageAnswer::Yes};
    exit->trigger();
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.services.restarts, 0);
}

// The ribbon shows the output language at all times; a click, a key tip or a screen reader's
// toggle switches it, and pressing the chosen one again changes nothing.
TEST(MainWindowUi, TheLanguageButtonsShowAndSwitchTheOutputLanguage) {
    FakeServices services;
    services.strings[{"Varsayilanlar", "CiktiDili"}] = "Kotlin";
    Defaults defaults = Defaults::factory();
    MainWindow window(services, defaults);
    auto& java = child<QToolButton>(window.ribbonWidget(), "CiktiJava");
    auto& kotlin = child<QToolButton>(window.ribbonWidget(), "CiktiKotlin");
    EXPECT_TRUE(kotlin.isChecked());
    clickRibbon(window, "CiktiJava");
    EXPECT_EQ(window.formView().model().language(), Language::Java);
    EXPECT_TRUE(java.isChecked());
    EXPECT_FALSE(kotlin.isChecked());
    clickRibbon(window, "CiktiJava");
    EXPECT_TRUE(java.isChecked());

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&kotlin);
    ASSERT_NE(reader, nullptr);
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(window.formView().model().language(), Language::Kotlin);
    EXPECT_FALSE(java.isChecked());
}

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
    // The element runs once the key handler has returned.
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.size() > 0; }, 2000));
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
