#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "ui_support.h"

namespace nakkas::test {
namespace {

// What each slot command does, at both ends too, is the core's CodePanel test; here typed text
// makes the round trip and every button reaches its command.
TEST(CodePanelUi, SlotRoundTripThroughTheButtons) {
    FakeWindow w;
    w.window.show();
    auto& editor = child<QPlainTextEdit>(w.window, "codePanel");
    auto& selector = child<QComboBox>(w.window, "slotSelector");
    click<QToolButton>(w.window, "clearButton");
    ASSERT_EQ(w.panel(), "");

    QTest::keyClicks(&editor, "ilk");
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, "ikinci");
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");
    click(w.window, "storeButton");
    click(w.window, "nextButton");
    EXPECT_EQ(selector.currentText(), QStringLiteral("Kod Alanı 2"));
    EXPECT_TRUE(editor.toPlainText().isEmpty());
    click(w.window, "previousButton");
    EXPECT_EQ(selector.currentIndex(), 0);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("ilk\nikinci"));

    click(w.window, "eraseButton");  // empties the slot, not the panel
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");
    click(w.window, "showButton");
    EXPECT_EQ(w.panel(), "");
    selector.setCurrentIndex(9);
    QTest::keyClicks(&editor, "son");
    click(w.window, "storeButton");
    click(w.window, "eraseAllButton");
    EXPECT_EQ(w.panel(), "son");
    click(w.window, "showButton");
    EXPECT_EQ(w.panel(), "");
}

// Through the window's own clipboard service, so the text Qt holds is what a paste would get.
TEST(CodePanelUi, CopyAllPutsTheWholeCrLfTextOnTheClipboard) {
    QTemporaryDir dir;
    RecordingQtServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    Defaults defaults = Defaults::load(services);
    MainWindow window(services, defaults);
    window.show();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto copyAll = [&] { click<QToolButton>(window, "copyAllButton"); };

    clickRibbon(window, "ID_BUTTON2");
    clickRibbon(window, "ID_BUTTON18");
    const std::string text = window.formView().model().panel().text();  // CR LF, Turkish letters
    clipboard->setText(QStringLiteral("eski"));
    copyAll();
    EXPECT_EQ(clipboard->text(), QString::fromUtf8(text.data(), qsizetype(text.size())));

    click<QToolButton>(window, "clearButton");
    copyAll();
    EXPECT_EQ(clipboard->text(), QString());
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace nakkas::test
