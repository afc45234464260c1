#include <QListWidget>

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

TEST(MenuDesignerUi, RibbonDesignReachesThePanel) {
    FakeWindow w;
    openDialog(w.window, "KPBtn03", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "countEdit"));
        EXPECT_EQ(child<QPushButton>(d, "okButton").text(), QStringLiteral("Oluştur"));
        list(d, QStringLiteral("2"));
        pickRow(d, "itemList", 1);
        EXPECT_EQ(field(d, "titleEdit"), QStringLiteral("Menu ismi 2"));
        retype(d, "titleEdit", QStringLiteral("Sil \"hepsi\""));
        pickRow(d, "itemList", 0);
        retype(d, "titleEdit", QString());
        QTest::keyClick(&child<QLineEdit>(d, "titleEdit"), Qt::Key_Return);  // OK is default
    });
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("menu_designer/empty_and_quoted_titles.txt")));
}

// What a cancelled design keeps is the core's MenuDesigner test; here the buttons that cancel.
TEST(MenuDesignerUi, CancelAndTheCloseBoxLeaveThePanel) {
    FakeWindow w;
    const std::string before = w.panel();
    for (const bool closeBox : {false, true}) {
        openDialog(w.window, "KPBtn03", [&](QDialog& d) {
            list(d, QStringLiteral("3"));
            closeBox ? (void)d.close() : click(d, "cancelButton");
        });
        EXPECT_EQ(w.panel(), before) << closeBox;
        EXPECT_EQ(w.model().tools().menu.count, 0) << closeBox;
    }
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
    pickRow(dialog, "itemList", 0);
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
