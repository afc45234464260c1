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
    static Qt::CheckState checkState(QTableWidget& table, int row) {
        return table.item(row, 0)->checkState();
    }

    FakeWindow w;
};

TEST_F(LayoutToCodeUi, UncheckRenameAndOptionsReachThePanel) {
    QStringList unnamed;
    bool focusInTable = false;
    QString notes;
    openDialog([&](QDialog& d) {
        unnamed = unnamedControls(d);
        auto& table = child<QTableWidget>(d, "views");
        focusInTable = d.focusWidget() == &table;
        notes = child<QLabel>(d, "notesLabel").text();

        table.setCurrentCell(0, 0);
        QTest::keyClick(&table, Qt::Key_Space);  // unchecks kok_duzen

        // The renamed row keeps its name when the style changes; the others follow it.
        table.setCurrentCell(4, 2);
        QTest::keyClick(&table, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(table.indexWidget(table.currentIndex()));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "kaydet");
        QTest::keyClick(editor, Qt::Key_Return);  // the view commits the edit a moment later
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return table.item(4, 2)->text() == QStringLiteral("kaydet"); }, 1000));
        child<QComboBox>(d, "namingStyle").setCurrentIndex(2);
        EXPECT_EQ(table.item(3, 2)->text(), QStringLiteral("mEditAd"));
        EXPECT_EQ(table.item(4, 2)->text(), QStringLiteral("kaydet"));
        child<QComboBox>(d, "access").setCurrentIndex(2);
        click<QCheckBox>(d, "writeListeners");

        // Oluştur pressed (Alt+O) while a name is still being typed takes that name.
        table.setCurrentCell(4, 2);
        QTest::keyClick(&table, Qt::Key_F2);
        editor = qobject_cast<QLineEdit*>(table.indexWidget(table.currentIndex()));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "kaydetDugmesi");
        QTest::keyClick(editor, Qt::Key_O, Qt::AltModifier);
    });
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(focusInTable);
    EXPECT_EQ(notes,
              QStringLiteral("Tekrarlanan 1 id atlandı; her id ilk geçtiği yerde listelenir."));
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("layout_to_code/ana_ekran_ui.txt")));
}

TEST_F(LayoutToCodeUi, CheckButtonsAndCancelLeaveThePanelUntouched) {
    const std::string before = w.panel();
    std::vector<Qt::CheckState> afterNone, afterAll;
    bool openAfterEmptyCreate = false;
    openDialog([&](QDialog& d) {
        auto& table = child<QTableWidget>(d, "views");
        click(d, "checkNoneButton");
        for (int r = 0; r < table.rowCount(); ++r) afterNone.push_back(checkState(table, r));
        click(d, "createButton");  // nothing checked: refused, the dialog stays
        openAfterEmptyCreate = d.isVisible();
        click(d, "checkAllButton");
        for (int r = 0; r < table.rowCount(); ++r) afterAll.push_back(checkState(table, r));
        click(d, "cancelButton");
    });
    EXPECT_EQ(afterNone, std::vector<Qt::CheckState>(13, Qt::Unchecked));
    EXPECT_EQ(afterAll, std::vector<Qt::CheckState>(13, Qt::Checked));
    EXPECT_TRUE(openAfterEmptyCreate);
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.lastMessage().caption, "Uyarı");
    EXPECT_EQ(w.panel(), before);
}

}  // namespace
}  // namespace nakkas::test
