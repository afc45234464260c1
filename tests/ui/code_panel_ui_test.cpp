#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "definer/code_editor.h"
#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// Typed text reaches the panel with CR LF, and each slot control reaches its own command (erase
// and erase-all told apart by a slot that is not selected); what the commands do is the core's
// CodePanel test.
TEST(CodePanelUi, SlotRoundTripThroughTheButtons) {
    FakeWindow w;
    auto& editor = child<QPlainTextEdit>(w.window, "codePanel");
    click<QToolButton>(w.window, "clearButton");
    QTest::keyClicks(&editor, "ilk");
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, "ikinci");
    EXPECT_EQ(w.panel(), "ilk\r\nikinci");
    click(w.window, "storeButton");
    click(w.window, "nextButton");
    EXPECT_EQ(child<QComboBox>(w.window, "slotSelector").currentText(),
              QStringLiteral("Kod Alanı 2"));
    QTest::keyClicks(&editor, "son");
    click(w.window, "storeButton");
    click(w.window, "previousButton");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("ilk\nikinci"));

    click(w.window, "eraseButton");
    click(w.window, "showButton");
    EXPECT_EQ(w.panel(), "");
    child<QComboBox>(w.window, "slotSelector").setCurrentIndex(1);
    click(w.window, "showButton");
    EXPECT_EQ(w.panel(), "son");
    click(w.window, "previousButton");
    click(w.window, "eraseAllButton");
    click(w.window, "nextButton");
    EXPECT_EQ(w.panel(), "");
}

// Each tool button, and its edit key with the focus on another control, over the window's own
// clipboard service: the panel's text, and what a paste anywhere would get.
TEST(CodePanelUi, EachToolButtonAndEditKeyDoesItsOwnJob) {
    const struct {
        const char* button;
        QKeyCombination key;
        std::string panel, clipboard;
    } cases[] = {
        {"cutButton", Qt::CTRL | Qt::Key_X, "alfa\r\n şu", "beta"},
        {"copyButton", Qt::CTRL | Qt::Key_C, "alfa\r\nbeta şu", "beta"},
        {"pasteButton", Qt::CTRL | Qt::Key_V, "alfa\r\nyeni şu", "yeni"},
        {"copyAllButton", {}, "alfa\r\nbeta şu", "alfa\r\nbeta şu"},
        {"clearButton", {}, "", "yeni"},
    };
    QTemporaryDir dir;
    RecordingQtServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    Defaults defaults = Defaults::factory();
    MainWindow window(services, defaults);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    CodePanel& panel = window.formView().model().panel();
    auto& editor = child<QPlainTextEdit>(window, "codePanel");
    for (const auto& c : cases) {
        for (const bool byKey : {false, true}) {
            if (byKey && c.key.key() == Qt::Key_unknown) continue;
            SCOPED_TRACE(std::string(c.button) + (byKey ? " key" : ""));
            panel.replace("alfa\r\nbeta şu");
            QTextCursor cursor = editor.textCursor();
            cursor.setPosition(5);  // "beta"
            cursor.setPosition(9, QTextCursor::KeepAnchor);
            editor.setTextCursor(cursor);
            QGuiApplication::clipboard()->setText(QStringLiteral("yeni"));

            if (byKey) {
                auto& box = child<QCheckBox>(window, "sameAsId");
                box.setFocus();
                QTest::keyClick(&box, c.key.key(), c.key.keyboardModifiers());
            } else {
                click<QToolButton>(window, c.button);
            }
            EXPECT_EQ(panel.text(), c.panel);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(c.clipboard));
            EXPECT_TRUE(services.messages.empty());
        }
    }
}

// A big text is shown piece by piece; the seams fall at varied places, one inside a line.
TEST(CodePanelUi, BigTextRoundTripsThroughThePanelUnchanged) {
    std::string big;
    for (int i = 0; big.size() < 3 * CodeEditor::kChunkBytes + 1000; ++i)
        big += "satır " + std::to_string(i) + std::string(size_t(i % 97), i % 2 ? 'x' : ' ') +
               "ğüşİ\u00a0\r\n";
    big += std::string(CodeEditor::kChunkBytes + 5, 'y') + "\r\n\r\nson";
    FakeWindow w;
    w.model().panel().replace(big);
    auto& editor = w.window.formView().editor();
    editor.finishLoading();
    EXPECT_EQ(editor.blockCount(), std::count(big.begin(), big.end(), '\n') + 1);
    EXPECT_TRUE(sameText(editor.crlfText(), big));

    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, "!");  // an edit makes the panel read the editor back
    EXPECT_TRUE(sameText(w.panel(), big + "!"));
}

}  // namespace
}  // namespace nakkas::test
