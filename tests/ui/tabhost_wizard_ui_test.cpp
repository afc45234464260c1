#include <QListWidget>

#include "app/looks_palette.h"
#include "project_tree.h"
#include "tools/tabhost_wizard/tabhost_wizard_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// "Yeni Tasarım" opens the menu designer in its own mode, where icons are picked; the design is
// kept in the tool state.
TEST(TabHostWizardUi, TheMenuDesignOpensInItsTabHostModeWhereIconsArePicked) {
    FakeWindow w;
    w.services.openFiles = {std::nullopt, OpenedFile{"/resimler/paylas.png", "paylas.png"}};
    openDialog(w.window, "WzActivityBtn", [&](QDialog& d) {
        retype(d, "tabCount", QStringLiteral("1"));
        click(d, "listButton");
        click<QCheckBox>(d, "menuFlag");
        ModalHandler menu([&](QDialog& m) {
            EXPECT_EQ(unnamedControls(m), QStringList());
            EXPECT_EQ(child<QPushButton>(m, "okButton").text(), QStringLiteral("Kaydet"));
            retype(m, "countEdit", QStringLiteral("2"));
            click(m, "listButton");
            pickRow(m, "itemList", 1);
            click<QToolButton>(m, "iconButton");  // cancelled: nothing changes
            EXPECT_EQ(field(m, "iconNameEdit"), QStringLiteral("ic_launcher"));
            click<QToolButton>(m, "iconButton");
            EXPECT_EQ(field(m, "iconNameEdit"), QStringLiteral("paylas"));
            retype(m, "iconNameEdit", QStringLiteral("paylas_simge"));
            click(m, "okButton");
        });
        click(d, "newMenuButton");
        EXPECT_TRUE(menu.handled());
        d.reject();
    });
    const MenuRecords& menu = w.model().tools().menu;
    EXPECT_EQ(menu.count, 2);
    EXPECT_EQ(menu.items[1].iconName, "paylas_simge");
    EXPECT_EQ(menu.items[1].iconSourcePath, "/resimler/paylas.png");
}

TEST(TabHostWizardUi, AFullRunWritesTheProject) {
    FakeWindow w;
    w.services.fs.folders.insert("/proje");
    w.services.folders = {"/proje"};
    w.model().definer().activityName = "AnaEkran";
    openDialog(w.window, "WzActivityBtn", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "tabCount"));
        retype(d, "tabCount", QStringLiteral("2"));
        click(d, "listButton");
        for (const auto& [row, title] : {std::pair{0, "Ana"}, std::pair{1, "Ayarlar"}}) {
            pickRow(d, "tabs", row);
            EXPECT_EQ(field(d, "tabTitle"), "Tab Başlığı " + QString::number(row + 1));
            retype(d, "tabTitle", QString::fromUtf8(title));
        }
        click(d, "startTab2");
        click(d, "createButton");  // refused before a folder is chosen
        ASSERT_TRUE(d.isVisible());
        retype(d, "packageName", QStringLiteral("com.firma.uyg"));
        click(d, "folderButton");
        EXPECT_EQ(field(d, "outputFolder"), QStringLiteral("/proje"));
        click(d, "createButton");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(sameProjectTree(w.services.fs.filesUnder("/proje/Zep"), "tabhost/two_tabs"));
}

// The wizard over a model of its own, shown; listed with three tabs unless told otherwise.
struct ShownWizard {
    explicit ShownWizard(bool listed = true) {
        wizard.tabCountText = "3";
        if (listed) wizard.list();
        dialog.emplace(wizard);
        dialog->show();
    }
    FakeServices services;
    TabHostProject project;
    MenuRecords menu;
    TabHostWizard wizard{services, project, menu, {"AnaEkran", "tabHost1", "tabHost1", "ic", "a"}};
    std::optional<TabHostWizardDialog> dialog;
};

// "Listele" disables the focused count box and button, which sends the focus into the tab list
// and makes its first line current; a click on that line must still choose it.
TEST(TabHostWizardUi, AClickOnTheFirstTabAfterListingChoosesIt) {
    ShownWizard w(false);
    TabHostWizardDialog& d = *w.dialog;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    click(d, "listButton");
    auto& tabs = child<QListWidget>(d, "tabs");
    QTest::mouseClick(tabs.viewport(), Qt::LeftButton, {},
                      tabs.visualItemRect(tabs.item(0)).center());
    EXPECT_EQ(field(d, "tabId"), QStringLiteral("Tab1"));
}

// A pressed look alone (a shade darker) is easily missed; the chosen start tab must stand out.
TEST(TabHostWizardUi, TheChosenStartTabStandsOutInEveryLook) {
    for (const Look& look : looks()) {
        applyLook(look.id);
        ShownWizard w;
        click(*w.dialog, "startTab2");
        const auto colour = [&](const char* name) {
            return meanColour(child<QPushButton>(*w.dialog, name).grab().toImage());
        };
        EXPECT_GE(contrast(colour("startTab2"), colour("startTab1")), 1.5) << look.name;
    }
    applyLook(kDefaultLook);
}

TEST(TabHostWizardUi, DisplayOnlyFieldsDoNotLookEditable) {
    ShownWizard w;
    const auto base = [](const QLineEdit& e) {
        return e.palette().color(QPalette::Active, QPalette::Base);
    };
    const QColor editable = base(child<QLineEdit>(*w.dialog, "windowTitle"));
    for (const char* name :
         {"tabId", "serial", "mainActivity", "variableName", "idName", "outputFolder"}) {
        auto& shown = child<QLineEdit>(*w.dialog, name);
        EXPECT_TRUE(shown.isReadOnly()) << name;
        EXPECT_NE(base(shown), editable) << name;
    }
}

}  // namespace
}  // namespace nakkas::test
