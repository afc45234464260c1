#include <QApplication>
#include <QLabel>
#include <QTableWidget>

#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// The reading, naming and text rules are the core's tests; here the dialog's wiring.
class LayoutToCodeUi : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string sample = dataPath("layout_to_code/sample/ana_ekran.xml").string();
        w.services.openFiles = {OpenedFile{sample, "ana_ekran.xml"}};
        w.window.show();
    }
    // Opens the dialog from the ribbon and runs the action on it.
    void openDialog(const std::function<void(QDialog&)>& action) {
        ModalHandler handler(action);
        clickRibbon(w.window, "LayoutXmlKod");
        ASSERT_TRUE(handler.handled());
        EXPECT_EQ(handler.title(), QStringLiteral("Layout'tan Kod Üret"));
    }
    FakeWindow w;
};

TEST_F(LayoutToCodeUi, UncheckRenameAndOptionsReachThePanel) {
    openDialog([&](QDialog& d) {
        const QStringList unnamed = unnamedControls(d);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(',')).toStdString();
        auto& table = child<QTableWidget>(d, "views");
        EXPECT_EQ(d.focusWidget(), &table);
        EXPECT_EQ(child<QLabel>(d, "notesLabel").text(),
                  QStringLiteral("Tekrarlanan 1 id atlandı; her id ilk geçtiği yerde listelenir."));
        table.setCurrentCell(0, 0);
        QTest::keyClick(&table, Qt::Key_Space);  // unchecks kok_duzen

        // Row 4 is renamed in its editor, the second time committed by Oluştur (Alt+O) itself.
        const auto rename = [&](const char* name, QKeySequence commit) {
            table.setCurrentCell(4, 2);
            QTest::keyClick(&table, Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(table.indexWidget(table.currentIndex()));
            ASSERT_NE(editor, nullptr);
            editor->selectAll();
            QTest::keyClicks(editor, name);
            QTest::keySequence(editor, commit);
        };
        rename("kaydet", QKeySequence(Qt::Key_Return));  // committed a moment later
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return table.item(4, 2)->text() == QStringLiteral("kaydet"); }, 1000));
        // The renamed row keeps its name when the style changes; the others follow it.
        child<QComboBox>(d, "namingStyle").setCurrentIndex(2);
        EXPECT_EQ(table.item(3, 2)->text(), QStringLiteral("mEditAd"));
        EXPECT_EQ(table.item(4, 2)->text(), QStringLiteral("kaydet"));
        child<QComboBox>(d, "access").setCurrentIndex(2);
        click<QCheckBox>(d, "writeListeners");
        rename("kaydetDugmesi", QKeySequence(Qt::ALT | Qt::Key_O));
    });
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("layout_to_code/ana_ekran_ui.txt")));
}

TEST_F(LayoutToCodeUi, CheckButtonsAndCancelLeaveThePanelUntouched) {
    const std::string before = w.panel();
    openDialog([&](QDialog& d) {
        auto& table = child<QTableWidget>(d, "views");
        const auto allAre = [&](Qt::CheckState state) {
            for (int r = 0; r < table.rowCount(); ++r)
                if (table.item(r, 0)->checkState() != state) return false;
            return table.rowCount() == 13;
        };
        click(d, "checkNoneButton");
        EXPECT_TRUE(allAre(Qt::Unchecked));
        click(d, "createButton");  // nothing checked: refused, the dialog stays
        EXPECT_TRUE(d.isVisible());
        click(d, "checkAllButton");
        EXPECT_TRUE(allAre(Qt::Checked));
        click(d, "cancelButton");
    });
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.lastMessage().caption, "Uyarı");
    EXPECT_EQ(w.panel(), before);
}

}  // namespace
}  // namespace nakkas::test
