#include <QLabel>
#include <QListWidget>

#include "expected_files.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/menu_designer/menu_designer_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

void chooseEntry(QDialog& d, int row) {
    auto& list = child<QListWidget>(d, "itemList");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

// Replaces a field's text with the keyboard, as a user would.
void retype(QDialog& d, const char* name, const QString& text) {
    auto& edit = child<QLineEdit>(d, name);
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, text);
}

// The rules are the core's MenuDesigner test; here the wiring from the ribbon to the panel.
TEST(MenuDesignerUi, RibbonDesignReachesThePanel) {
    FakeWindow w;
    w.window.show();
    QStringList unnamed;
    bool focusOnCount = false, okBeforeListing = true, iconsAfterChoice = true;
    QString okCaption, shownTitle;
    int entries = -1;
    {
        ModalHandler design([&](QDialog& d) {
            unnamed = unnamedControls(d);
            focusOnCount = d.focusWidget() == &child<QLineEdit>(d, "countEdit");
            okCaption = child<QPushButton>(d, "okButton").text();
            okBeforeListing = child<QPushButton>(d, "okButton").isEnabled();
            retype(d, "countEdit", QStringLiteral("2"));
            click(d, "listButton");
            entries = child<QListWidget>(d, "itemList").count();
            chooseEntry(d, 1);
            shownTitle = field(d, "titleEdit");
            iconsAfterChoice = child<QLineEdit>(d, "iconNameEdit").isEnabled() ||
                               child<QToolButton>(d, "iconButton").isEnabled();
            retype(d, "titleEdit", QStringLiteral("Sil \"hepsi\""));
            chooseEntry(d, 0);
            retype(d, "titleEdit", QString());
            QTest::keyClick(&child<QLineEdit>(d, "titleEdit"), Qt::Key_Return);  // OK is default
        });
        clickRibbon(w.window, "KPBtn03");
        ASSERT_TRUE(design.handled());
        EXPECT_EQ(design.title(), QStringLiteral("Menü Tasarım"));
    }
    EXPECT_EQ(unnamed, QStringList());
    EXPECT_TRUE(focusOnCount);
    EXPECT_EQ(okCaption, QStringLiteral("Oluştur"));
    EXPECT_FALSE(okBeforeListing);
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(shownTitle, QStringLiteral("Menu ismi 2"));
    EXPECT_FALSE(iconsAfterChoice);
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("menu_designer/empty_and_quoted_titles.txt")));
}

TEST(MenuDesignerUi, RefusedCountAndCancelLeaveThePanel) {
    FakeWindow w;
    w.window.show();
    const std::string before = w.panel();
    bool stillCounting = false;
    {
        ModalHandler cancel([&](QDialog& d) {
            retype(d, "countEdit", QStringLiteral("7"));
            click(d, "listButton");
            stillCounting = child<QPushButton>(d, "listButton").isEnabled() &&
                            child<QListWidget>(d, "itemList").count() == 0;
            retype(d, "countEdit", QStringLiteral("3"));
            click(d, "listButton");
            chooseEntry(d, 2);
            retype(d, "titleEdit", QStringLiteral("Paylas"));
            click(d, "cancelButton");
        });
        clickRibbon(w.window, "KPBtn03");
        ASSERT_TRUE(cancel.handled());
    }
    EXPECT_TRUE(stillCounting);
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.lastMessage().text,
              "Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır.");
    EXPECT_EQ(w.panel(), before);
    EXPECT_EQ(w.model().tools().menu.count, 0);
    EXPECT_EQ(w.model().tools().menu.items[2].title, "Paylas");

    // The close box cancels too.
    {
        ModalHandler close([](QDialog& d) {
            retype(d, "countEdit", QStringLiteral("1"));
            click(d, "listButton");
            d.close();
        });
        clickRibbon(w.window, "KPBtn03");
        ASSERT_TRUE(close.handled());
    }
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
    MenuDesignerDialog dialog(model, services);
    dialog.show();
    EXPECT_EQ(unnamedControls(dialog), QStringList());
    EXPECT_EQ(child<QPushButton>(dialog, "okButton").text(), QStringLiteral("Kaydet"));
    click(dialog, "listButton");  // the box starts at "1"
    chooseEntry(dialog, 0);
    ASSERT_TRUE(child<QToolButton>(dialog, "iconButton").isEnabled());
    click<QToolButton>(dialog, "iconButton");  // cancelled: nothing changes
    EXPECT_EQ(field(dialog, "iconNameEdit"), QStringLiteral("ic_launcher"));
    click<QToolButton>(dialog, "iconButton");
    EXPECT_EQ(field(dialog, "iconNameEdit"), QStringLiteral("paylas"));
    ASSERT_EQ(services.dialogs.size(), 2u);
    EXPECT_EQ(services.dialogs[1].title, "Menu için Simge Dosyası Seçin");
    EXPECT_EQ(services.dialogs[1].filter, "PNG Simge Dosyası (*.png)");
    retype(dialog, "iconNameEdit", QStringLiteral("paylas_simge"));
    click(dialog, "okButton");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(records.count, 1);
    EXPECT_EQ(records.items[0].iconName, "paylas_simge");
    EXPECT_EQ(records.items[0].iconSourcePath, "/resimler/paylas.png");
}

}  // namespace
}  // namespace nakkas::test
