#include <QListWidget>
#include <QPlainTextEdit>

#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

TEST(SqliteToolUi, DesignsAndSavesATableThenCancelLeavesThePanel) {
    FakeWindow w;
    w.window.show();
    w.services.fs.folders.insert("/ev");
    w.services.savePaths = {"/ev/DatabaseHelper.java"};
    const std::string before = w.panel();
    const QString title = openDialog(w.window, "KPBtn113", [&](QDialog& d) {
        EXPECT_EQ(unnamedControls(d), QStringList());
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "tableName"));
        retype(d, "tableName", QStringLiteral("Öğrenciler"));

        QTest::keyClicks(&child<QLineEdit>(d, "columnName"), QStringLiteral("numara"));
        click<QCheckBox>(d, "newPrimaryKey");
        click(d, "addButton");  // no type chosen yet: refused, but INTEGER is now shown
        EXPECT_EQ(child<QListWidget>(d, "newColumnType").currentRow(), 0);
        click(d, "addButton");  // the program's selection is not the user's choice
        pickRow(d, "newColumnType", 0);
        click(d, "addButton");
        typeText(child<QLineEdit>(d, "columnName"), QStringLiteral("adı"));
        pickRow(d, "newColumnType", 1);
        click<QCheckBox>(d, "newNotNull");
        click(d, "addButton");
        child<QLineEdit>(d, "columnName").setText(QStringLiteral("şube"));  // not typed
        click(d, "addButton");
        retype(d, "packageName", QStringLiteral("com.zep.okul"));
        child<QLineEdit>(d, "databaseName").setText(QStringLiteral("Okul€.db"));
        auto& version = child<QComboBox>(d, "version");
        version.setFocus();
        QTest::keyClick(&version, Qt::Key_Down);  // "2" -> "3"
        click(d, "saveButton");
        click(d, "cancelButton");
    });
    EXPECT_EQ(title, QStringLiteral("SQLite - Veritabanı Aracı"));
    ASSERT_EQ(w.services.messages.size(), 3u);
    EXPECT_TRUE(sameText(w.services.fs.files["/ev/DatabaseHelper.java"],
                         readData("sqlite_tool/ogrenciler_saved.bytes")));
    EXPECT_EQ(w.panel(), before);
}

TEST(SqliteToolUi, CompileSendsTheBoxesAsTheyStandToThePanel) {
    FakeWindow w;
    w.window.show();
    const QString title = openDialog(w.window, "KPBtn113", [&](QDialog& d) {
        QTest::keyClicks(&child<QLineEdit>(d, "columnName"), QStringLiteral("ad"));
        pickRow(d, "newColumnType", 1);
        click(d, "addButton");
        pickRow(d, "insertColumns", 0);
        QTest::keyClicks(&child<QLineEdit>(d, "insertVariable"), QStringLiteral("adKutusu"));
        click(d, "insertPressButton");
        click<QCheckBox>(d, "insertInclude");
        auto& result = child<QPlainTextEdit>(d, "insertResult");  // replaced by hand
        result.setFocus();
        result.selectAll();
        typeText(result, QStringLiteral("// elle yazıldı"));
        QTest::keyClick(&result, Qt::Key_Return);
        QTest::keyClicks(&result, QStringLiteral("int sayi = 1;"));
        QTest::keyClick(&result, Qt::Key_Return);
        click(d, "compileButton");
    });
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("sqlite_tool/compile_hand_edit.txt")));
}

}  // namespace
}  // namespace nakkas::test
