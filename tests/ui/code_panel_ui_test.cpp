#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "ui_support.h"

namespace nakkas::test {
namespace {

void click(QObject& parent, const char* name) {
    QTest::mouseClick(&child<QPushButton>(parent, name), Qt::LeftButton);
}

TEST(CodePanelUi, SlotsKeepTypedTextAndNavigationStopsAtBothEnds) {
    FakeWindow w;
    w.window.show();
    auto& editor = child<QPlainTextEdit>(w.window, "codePanel");
    auto& selector = child<QComboBox>(w.window, "slotSelector");
    QTest::mouseClick(&child<QToolButton>(w.window, "clearButton"), Qt::LeftButton);
    ASSERT_EQ(w.panel(), "");

    QTest::keyClicks(&editor, "ilk");
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, "ikinci");
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");
    click(w.window, "storeButton");

    selector.setCurrentIndex(1);
    EXPECT_EQ(w.panel(), "");
    EXPECT_TRUE(editor.toPlainText().isEmpty());
    selector.setCurrentIndex(0);
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("ilk\nikinci"));

    click(w.window, "previousButton");
    EXPECT_EQ(selector.currentIndex(), 0);
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");

    for (int i = 0; i < 12; ++i) click(w.window, "nextButton");
    EXPECT_EQ(selector.currentText(), QStringLiteral("Kod Alanı10"));
    EXPECT_EQ(w.model().panel().selectedSlot(), 9);
    EXPECT_EQ(w.panel(), "");

    // "Sil" and "Hepsini Sil" empty selector, never the panel; only a later show does.
    QTest::keyClicks(&editor, "son");
    click(w.window, "storeButton");
    click(w.window, "eraseButton");
    EXPECT_EQ(w.panel(), "son");
    click(w.window, "showButton");
    EXPECT_EQ(w.panel(), "");
    selector.setCurrentIndex(0);
    click(w.window, "eraseAllButton");
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");
    click(w.window, "showButton");
    EXPECT_EQ(w.panel(), "");
}

// Through the window's own clipboard service, so the text Qt holds is what a paste would get.
TEST(CodePanelUi, CopyAllPutsTheWholeCrLfTextOnTheClipboard) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RecordingQtServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    Defaults defaults = Defaults::load(services);
    MainWindow window(services, defaults);
    window.show();
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);

    clickRibbon(window, "ID_BUTTON2");
    clickRibbon(window, "ID_BUTTON18");
    const std::string text = window.formView().model().panel().text();
    ASSERT_NE(text.find("\r\n"), std::string::npos);
    ASSERT_NE(text.find("yapılacaklari"), std::string::npos);

    clipboard->setText(QStringLiteral("eski"));
    QTest::mouseClick(&child<QToolButton>(window, "copyAllButton"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), QString::fromUtf8(text.data(), qsizetype(text.size())));

    QTest::mouseClick(&child<QToolButton>(window, "clearButton"), Qt::LeftButton);
    QTest::mouseClick(&child<QToolButton>(window, "copyAllButton"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), QString());
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace nakkas::test
