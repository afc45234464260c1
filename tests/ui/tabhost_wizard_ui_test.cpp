#include "tools/tabhost_wizard/tabhost_wizard_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// "Yeni Tasarım" opens the menu designer in its own mode, where icons are picked; the design is
// kept in the tool state.
TEST(TabHostWizardUi, TheMenuDesignOpensInItsTabHostModeWhereIconsArePicked) {
    FakeWindow w;
    w.services.openFiles = {OpenedFile{"/resimler/paylas.png", "paylas.png"}};
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

// The fields reach the project, a picked tab shows its own fields, and "Oluştur" closes the
// wizard only once the project is written; the written tree is the model's test.
TEST(TabHostWizardUi, FieldsReachTheProjectAndOnlyAWrittenProjectCloses) {
    ShownWizard w(false);
    TabHostWizardDialog& d = *w.dialog;
    EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "tabCount"));
    retype(d, "tabCount", QStringLiteral("2"));
    click(d, "listButton");
    pickRow(d, "tabs", 1);
    EXPECT_EQ(field(d, "tabTitle"), QStringLiteral("Tab Başlığı 2"));
    retype(d, "tabTitle", QStringLiteral("Ayarlar"));
    click(d, "startTab2");
    retype(d, "packageName", QStringLiteral("com.firma.uyg"));
    click(d, "createButton");  // refused before a folder is chosen
    ASSERT_TRUE(d.isVisible());
    w.services.fs.folders.insert("/proje");
    w.services.folders = {"/proje"};
    click(d, "folderButton");
    EXPECT_EQ(field(d, "outputFolder"), QStringLiteral("/proje"));
    click(d, "createButton");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(w.project.tabCount, 2);
    EXPECT_EQ(w.project.tabs[1].title, "Ayarlar");
    EXPECT_EQ(w.project.startTab, 1);
    EXPECT_EQ(w.project.packageName, "com.firma.uyg");
}

// "Listele" disables the focused count box and button, which sends the focus into the tab list
// and makes its first line current; a click on that line must still choose it.
TEST(TabHostWizardUi, AClickOnTheFirstTabAfterListingChoosesIt) {
    ShownWizard w(false);
    TabHostWizardDialog& d = *w.dialog;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    click(d, "listButton");
    pickRow(d, "tabs", 0);
    EXPECT_EQ(field(d, "tabId"), QStringLiteral("Tab1"));
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
