#include <QListWidget>
#include <QTemporaryDir>

#include "project_tree.h"
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

}  // namespace
}  // namespace nakkas::test
