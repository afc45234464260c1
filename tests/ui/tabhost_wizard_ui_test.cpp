#include <QListWidget>
#include <QTemporaryDir>

#include "project_tree.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

void openWizard(MainWindow& window, std::function<void(QDialog&)> action) {
    ModalHandler handler(std::move(action));
    clickRibbon(window, "WzActivityBtn");
    EXPECT_TRUE(handler.handled());
    EXPECT_EQ(handler.title(), QStringLiteral("Tab Host Proje Tasarımı"));
}

void typeInto(QDialog& d, const char* name, const QString& text) {
    auto& edit = child<QLineEdit>(d, name);
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

TEST(TabHostWizardUi, TheMenuDesignOpensInItsTabHostMode) {
    FakeWindow w;
    openWizard(w.window, [&](QDialog& d) {
        typeInto(d, "tabCount", QStringLiteral("1"));
        click(d, "listButton");
        EXPECT_FALSE(child<QPushButton>(d, "newMenuButton").isEnabled());
        click<QCheckBox>(d, "menuFlag");
        ModalHandler menu([&](QDialog& m) {
            EXPECT_EQ(child<QPushButton>(m, "okButton").text(), QStringLiteral("Kaydet"));
            typeInto(m, "countEdit", QStringLiteral("3"));
            click(m, "listButton");
            click(m, "okButton");
        });
        click(d, "newMenuButton");
        EXPECT_TRUE(menu.handled());
        d.reject();
    });
    EXPECT_EQ(w.model().tools().menu.count, 3);
}

// The window's real services writing to a temporary folder, with the folder dialog scripted.
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
        const auto enabled = [&](const char* name) { return child<QWidget>(d, name).isEnabled(); };
        const auto shown = [&](const char* name) { return child<QWidget>(d, name).isVisible(); };
        EXPECT_TRUE(unnamedControls(d).isEmpty()) << unnamedControls(d).join(", ").toStdString();
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "tabCount"));
        EXPECT_FALSE(enabled("createButton") || shown("startTab1"));
        typeInto(d, "tabCount", QStringLiteral("7"));
        click(d, "listButton");
        EXPECT_EQ(services.lastMessage().text, "Girilecek sayı 1 ile 6 arasında olmalıdır");
        EXPECT_TRUE(enabled("listButton"));

        typeInto(d, "tabCount", QStringLiteral("2"));
        click(d, "listButton");
        auto& tabs = child<QListWidget>(d, "tabs");
        ASSERT_EQ(tabs.count(), 2);
        EXPECT_EQ(tabs.item(1)->text(), QStringLiteral("Tab2"));
        EXPECT_TRUE(shown("startTab2") && enabled("createButton"));
        EXPECT_FALSE(shown("startTab3") || enabled("listButton") || enabled("tabTitle"));
        EXPECT_EQ(child<QComboBox>(d, "targetVersion").currentText(), QStringLiteral("10"));
        EXPECT_EQ(child<QComboBox>(d, "minVersion").currentText(), QStringLiteral("8"));
        for (const auto& [row, title] : {std::pair{0, "Ana"}, std::pair{1, "Ayarlar"}}) {
            QTest::mouseClick(tabs.viewport(), Qt::LeftButton, {},
                              tabs.visualItemRect(tabs.item(row)).center());
            EXPECT_EQ(field(d, "tabTitle"), "Tab Başlığı " + QString::number(row + 1));
            typeInto(d, "tabTitle", QString::fromUtf8(title));
        }
        EXPECT_EQ(field(d, "tabId") + field(d, "serial"), QStringLiteral("Tab21"));
        click(d, "startTab2");
        // Pressed before a folder is chosen: the message, and the wizard stays as it was.
        click(d, "createButton");
        EXPECT_EQ(services.lastMessage().text, "Kaydedilecek Proje Klasörü seçilmemiş");
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(field(d, "tabTitle"), QStringLiteral("Ayarlar"));

        typeInto(d, "packageName", QStringLiteral("com.firma.uyg"));
        click(d, "folderButton");
        EXPECT_EQ(field(d, "outputFolder"), dir.path());
        click(d, "createButton");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(services.lastMessage().text, "Dosyalar Oluşturuldu...");
    EXPECT_TRUE(sameProjectTree(readTree(dir.filePath(QStringLiteral("Zep")).toStdString()),
                                "tabhost/two_tabs"));
}

}  // namespace
}  // namespace nakkas::test
