#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>

#include <cmath>

#include "app/looks_palette.h"
#include "project_tree.h"
#include "tools/tabhost_wizard/tabhost_wizard_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

void openWizard(MainWindow& window, const std::function<void(QDialog&)>& action) {
    EXPECT_EQ(openDialog(window, "WzActivityBtn", action),
              QStringLiteral("Tab Host Proje Tasarımı"));
}

TEST(TabHostWizardUi, TheMenuDesignOpensInItsTabHostMode) {
    FakeWindow w;
    openWizard(w.window, [&](QDialog& d) {
        retype(d, "tabCount", QStringLiteral("1"));
        click(d, "listButton");
        click<QCheckBox>(d, "menuFlag");
        ModalHandler menu([&](QDialog& m) {
            EXPECT_EQ(child<QPushButton>(m, "okButton").text(), QStringLiteral("Kaydet"));
            retype(m, "countEdit", QStringLiteral("3"));
            click(m, "listButton");
            click(m, "okButton");
        });
        click(d, "newMenuButton");
        EXPECT_TRUE(menu.handled());
        d.reject();
    });
    EXPECT_EQ(w.model().tools().menu.count, 3);
}

// The real services writing to a temporary folder, with the folder dialog scripted.
class FolderServices : public RecordingQtServices {
public:
    using RecordingQtServices::RecordingQtServices;
    std::string folder;
    std::optional<std::string> folderDialog(const std::string&) override { return folder; }
};

TEST(TabHostWizardUi, AFullRunWritesTheProject) {
    QTemporaryDir dir;
    FolderServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    services.folder = dir.path().toStdString();
    Defaults defaults = Defaults::load(services);
    MainWindow window(services, defaults);
    window.formView().model().definer().activityName = "AnaEkran";
    openWizard(window, [&](QDialog& d) {
        EXPECT_TRUE(unnamedControls(d).isEmpty()) << unnamedControls(d).join(", ").toStdString();
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "tabCount"));
        retype(d, "tabCount", QStringLiteral("2"));
        click(d, "listButton");
        auto& tabs = child<QListWidget>(d, "tabs");
        ASSERT_EQ(tabs.count(), 2);
        for (const auto& [row, title] : {std::pair{0, "Ana"}, std::pair{1, "Ayarlar"}}) {
            pickRow(d, "tabs", row);
            EXPECT_EQ(field(d, "tabTitle"), "Tab Başlığı " + QString::number(row + 1));
            retype(d, "tabTitle", QString::fromUtf8(title));
        }
        EXPECT_EQ(field(d, "tabId"), QStringLiteral("Tab2"));
        EXPECT_EQ(field(d, "serial"), QStringLiteral("1"));
        click(d, "startTab2");
        // Refused before a folder is chosen: the wizard stays as it was.
        click(d, "createButton");
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(field(d, "tabTitle"), QStringLiteral("Ayarlar"));
        retype(d, "packageName", QStringLiteral("com.firma.uyg"));
        click(d, "folderButton");
        EXPECT_EQ(field(d, "outputFolder"), dir.path());
        click(d, "createButton");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(sameProjectTree(readTree(dir.filePath(QStringLiteral("Zep")).toStdString()),
                                "tabhost/two_tabs"));
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

// Relative luminance of the mean colour of a picture, as contrast ratios use it.
double meanLuminance(const QImage& image) {
    double sum[3] = {};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum[0] += c.redF(), sum[1] += c.greenF(), sum[2] += c.blueF();
        }
    const auto linear = [&](double v) {
        v /= image.width() * image.height();
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(sum[0]) + 0.7152 * linear(sum[1]) + 0.0722 * linear(sum[2]);
}

// A pressed look alone (a shade darker) is easily missed; the chosen start tab must stand out.
TEST(TabHostWizardUi, TheChosenStartTabStandsOutInEveryLook) {
    for (const Look& look : looks()) {
        applyLook(look.id);
        ShownWizard w;
        click(*w.dialog, "startTab2");
        const double chosen =
            meanLuminance(child<QPushButton>(*w.dialog, "startTab2").grab().toImage());
        const double other =
            meanLuminance(child<QPushButton>(*w.dialog, "startTab1").grab().toImage());
        const double ratio = (std::max(chosen, other) + 0.05) / (std::min(chosen, other) + 0.05);
        EXPECT_GE(ratio, 1.5) << look.name;
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
