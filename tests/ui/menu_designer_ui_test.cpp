#include <QListWidget>
#include <functional>
#include <utility>

#include "expected_files.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/menu_designer/menu_designer_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

void list(QDialog& d, const QString& count) {
    retype(d, "countEdit", count);
    click(d, "listButton");
}

void chooseEntry(QDialog& d, int row) {
    pickRow(d, "itemList", row);
}

QString openDesigner(FakeWindow& w, const std::function<void(QDialog&)>& action) {
    return openDialog(w.window, "KPBtn03", action);
}

TEST(MenuDesignerUi, RibbonDesignReachesThePanel) {
    FakeWindow w;
    w.window.show();
    const QString caption = openDesigner(w, [&](QDialog& d) {
        EXPECT_EQ(unnamedControls(d), QStringList());
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "countEdit"));
        EXPECT_EQ(child<QPushButton>(d, "okButton").text(), QStringLiteral("Oluştur"));
        list(d, QStringLiteral("2"));
        chooseEntry(d, 1);
        EXPECT_EQ(field(d, "titleEdit"), QStringLiteral("Menu ismi 2"));
        retype(d, "titleEdit", QStringLiteral("Sil \"hepsi\""));
        chooseEntry(d, 0);
        retype(d, "titleEdit", QString());
        QTest::keyClick(&child<QLineEdit>(d, "titleEdit"), Qt::Key_Return);  // OK is default
    });
    EXPECT_EQ(caption, QStringLiteral("Menü Tasarım"));
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("menu_designer/empty_and_quoted_titles.txt")));
}

TEST(MenuDesignerUi, RefusedCountCancelAndTheCloseBoxLeaveThePanel) {
    FakeWindow w;
    w.window.show();
    const std::string before = w.panel();
    openDesigner(w, [](QDialog& d) {
        list(d, QStringLiteral("7"));
        list(d, QStringLiteral("3"));
        chooseEntry(d, 2);
        retype(d, "titleEdit", QStringLiteral("Paylas"));
        click(d, "cancelButton");
    });
    EXPECT_EQ(w.services.messages.size(), 1u);  // the refused count
    EXPECT_EQ(w.panel(), before);
    EXPECT_EQ(w.model().tools().menu.count, 0);
    EXPECT_EQ(w.model().tools().menu.items[2].title, "Paylas");  // kept until the next opening

    openDesigner(w, [](QDialog& d) {
        list(d, QStringLiteral("1"));
        d.close();  // the close box cancels too
    });
    EXPECT_EQ(w.panel(), before);
    EXPECT_EQ(w.model().tools().menu.count, 0);
}

// The Tab Host wizard opens the same dialog in its own mode, where icons can be picked.
TEST(MenuDesignerUi, TabHostModePicksIconFiles) {
    FakeServices services;
    services.openFiles = {std::nullopt, OpenedFile{"/resimler/paylas.png", "paylas.png"}};
    MenuRecords records;
    resetMenuItems(records, "ic_launcher");
    MenuDesigner model(services, records, MenuDesignMode::TabActi);
    MenuDesignerDialog dialog(model);
    dialog.show();
    EXPECT_EQ(unnamedControls(dialog), QStringList());
    click(dialog, "listButton");  // the box starts at "1"
    chooseEntry(dialog, 0);
    click<QToolButton>(dialog, "iconButton");  // cancelled: nothing changes
    EXPECT_EQ(field(dialog, "iconNameEdit"), QStringLiteral("ic_launcher"));
    click<QToolButton>(dialog, "iconButton");
    EXPECT_EQ(field(dialog, "iconNameEdit"), QStringLiteral("paylas"));
    retype(dialog, "iconNameEdit", QStringLiteral("paylas_simge"));
    click(dialog, "okButton");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(records.count, 1);
    EXPECT_EQ(records.items[0].iconName, "paylas_simge");
    EXPECT_EQ(records.items[0].iconSourcePath, "/resimler/paylas.png");
}

}  // namespace
}  // namespace nakkas::test
