#include <QApplication>
#include <QLabel>
#include <QTableWidget>

#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// The reading, naming and text rules are the core's tests; here the dialog's wiring and keys.
class LayoutToCodeUi : public ::testing::Test {
protected:
    void SetUp() override {
        m_main.services.openFiles = {
            OpenedFile{dataPath("layout_to_code/sample/ana_ekran.xml").string(), "ana_ekran.xml"}};
    }
    void openDialog(const std::function<void(QDialog&)>& action) {
        test::openDialog(m_main.window, "LayoutXmlKod", action);
    }
    FakeWindow m_main;
};

TEST_F(LayoutToCodeUi, UncheckRenameAndOptionsReachThePanel) {
    openDialog([&](QDialog& d) {
        auto& table = child<QTableWidget>(d, "views");
        EXPECT_EQ(d.focusWidget(), &table);
        EXPECT_TRUE(child<QLabel>(d, "notesLabel").text().startsWith("Tekrarlanan 1 id"));
        click(d, "checkNoneButton");
        click(d, "createButton");  // refused: nothing is checked
        ASSERT_TRUE(d.isVisible());
        click(d, "checkAllButton");
        table.setCurrentCell(0, 0);
        QTest::keyClick(&table, Qt::Key_Space);
        // The second rename is committed by Oluştur (Alt+O) itself.
        const auto rename = [&](const char* name, QKeySequence commit) {
            table.setCurrentCell(4, 2);
            QTest::keyClick(&table, Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(table.indexWidget(table.currentIndex()));
            ASSERT_NE(editor, nullptr);
            editor->selectAll();
            QTest::keyClicks(editor, name);
            QTest::keySequence(editor, commit);
        };
        rename("kaydet", QKeySequence(Qt::Key_Return));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return table.item(4, 2)->text() == QStringLiteral("kaydet"); }, 1000));
        child<QComboBox>(d, "namingStyle").setCurrentIndex(2);
        EXPECT_EQ(table.item(4, 2)->text(), QStringLiteral("kaydet"));
        child<QComboBox>(d, "access").setCurrentIndex(2);
        click<QCheckBox>(d, "writeListeners");
        rename("kaydetDugmesi", QKeySequence(Qt::ALT | Qt::Key_O));
    });
    EXPECT_TRUE(sameText(m_main.panel(), readDataCrLf("layout_to_code/ana_ekran_ui.txt")));
}

TEST_F(LayoutToCodeUi, TabLeavesTheTableForTheButtons) {
    openDialog([&](QDialog& d) {
        auto& table = child<QTableWidget>(d, "views");
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_EQ(QApplication::focusWidget(), &table);
        QTest::keyClick(&table, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &child<QPushButton>(d, "checkAllButton"));
        d.reject();
    });
}

}  // namespace
}  // namespace nakkas::test
