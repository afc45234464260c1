#include <QListWidget>
#include <QPlainTextEdit>

#include "expected_files.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/sqlite_tool/sqlite_tool_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

TEST(SqliteToolUi, CompileSendsTheBoxesAsTheyStandToThePanel) {
    FakeWindow w;
    openDialog(w.window, "KPBtn113", [&](QDialog& d) {
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

// The dialog over a model of its own, shown.
struct ShownTool {
    ShownTool() { d.show(); }
    FakeServices services;
    SqliteToolState state{"2"};
    SqliteTool tool{services, state, {"Kisiler", "Rehber.db", "com.zep"}};
    SqliteToolDialog d{tool};
};

// Fields reach the model whether typed or set without keystrokes, and the row a redraw selects
// after a refused add is no choice of type; what a save writes is the model's test.
TEST(SqliteToolUi, TheTableFieldsReachTheModelAndCancelRejects) {
    ShownTool t;
    auto& [services, state, tool, d] = t;
    EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "tableName"));
    retype(d, "tableName", QStringLiteral("Öğrenciler"));
    retype(d, "packageName", QStringLiteral("com.zep.okul"));
    child<QLineEdit>(d, "databaseName").setText(QStringLiteral("Okul€.db"));
    child<QLineEdit>(d, "columnName").setText(QStringLiteral("şube"));
    click<QCheckBox>(d, "newPrimaryKey");
    click(d, "addButton");  // no type chosen: refused, but a key shows INTEGER
    click(d, "addButton");
    EXPECT_TRUE(tool.columns().empty());
    pickRow(d, "newColumnType", 0);
    click(d, "addButton");
    auto& version = child<QComboBox>(d, "version");
    version.setFocus();
    QTest::keyClick(&version, Qt::Key_Down);  // "2" -> "3"
    EXPECT_EQ(tool.tableName, "Öğrenciler");
    EXPECT_EQ(tool.packageName, "com.zep.okul");
    EXPECT_EQ(tool.databaseName, "Okul€.db");
    ASSERT_EQ(tool.columns().size(), 1u);
    EXPECT_EQ(tool.columns()[0].name, "şube");
    EXPECT_EQ(tool.versionText(), "3");
    click(d, "cancelButton");
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

// Tabbing into the type list makes its first entry current, which is not the user's choice; a
// key that moves the selection is.
TEST(SqliteToolUi, OnlyAKeyThatMovesTheSelectionChoosesATypeNotTabbingIn) {
    ShownTool t;
    auto& [services, state, tool, d] = t;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    auto& name = child<QLineEdit>(d, "columnName");
    auto& types = child<QListWidget>(d, "newColumnType");
    name.setFocus();
    QTest::keyClicks(&name, QStringLiteral("ad"));
    QTest::keyClick(&name, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &types);
    click(d, "addButton");
    EXPECT_EQ(services.lastMessage().text, "Hücre adı boş veya hücre tipi seçilmemiş !");
    QTest::keyClick(&types, Qt::Key_Down);  // INTEGER
    QTest::keyClick(&types, Qt::Key_Down);  // TEXT
    click(d, "addButton");
    ASSERT_EQ(tool.columns().size(), 1u);
    EXPECT_EQ(tool.columns()[0].type, "TEXT");
}

// Three groups have a field of that caption; a screen reader must tell them apart.
TEST(SqliteToolUi, TheVariableFieldsAreNamedWithTheirGroup) {
    ShownTool t;
    for (const auto& [name, group] :
         {std::pair{"insertVariable", "Yeni Kayıt Ekle"}, std::pair{"updateVariable", "Güncelle"},
          std::pair{"showVariable", "Kayıt Göster"}})
        EXPECT_EQ(
            child<QLineEdit>(t.d, name).accessibleName(),
            QStringLiteral("Değişken yada Nesne Adı (%1 Komutu)").arg(QString::fromUtf8(group)));
}

}  // namespace
}  // namespace nakkas::test
