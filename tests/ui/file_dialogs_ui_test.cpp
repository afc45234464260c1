// The real file dialogs, as the window's services open them, over folders of the test's own.
#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QTemporaryDir>

#include <tuple>

#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/sqlite_tool/sqlite_tool_dialog.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// The names the dialog's file list shows, once the folder has been read.
QStringList listedNames(QFileDialog& dialog) {
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!view) return {};
    QStringList names;
    // A folder that never fills shows as an empty list, which the caller reports.
    (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; }, 3000);
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    return names;
}

void touch(const QTemporaryDir& dir, const char* name) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The window's services over a folder of the test's own, and a listed Tab Host wizard.
class FileDialogsUi : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    RecordingQtServices m_services{m_dir.filePath(QStringLiteral("ayarlar.ini")).toStdString()};
    TabHostProject m_project;
    MenuRecords m_menu;
    TabHostWizard m_wizard{m_services, m_project, m_menu, {"AnaEkran", "t", "t", "ic", "com.a"}};
    void SetUp() override { ASSERT_TRUE(m_wizard.list().ok()); }
};

TEST_F(FileDialogsUi, TheIconPickerListsPngFilesOnly) {
    touch(m_dir, "a.png");
    touch(m_dir, "b.txt");
    m_wizard.chooseTab(0);
    ModalHandler picker([&](QDialog& d) {
        auto& files = static_cast<QFileDialog&>(d);
        files.setDirectory(m_dir.path());
        EXPECT_EQ(listedNames(files), QStringList{QStringLiteral("a.png")});
        child<QLineEdit>(files, "fileNameEdit").setText(QStringLiteral("a.png"));
        QMetaObject::invokeMethod(&files, "accept");
    });
    EXPECT_TRUE(m_wizard.pickIcon().ok());
    ASSERT_TRUE(picker.handled());
    EXPECT_EQ(m_wizard.selectedRecord()->iconName, "a");
}

// The save button names the file it writes, which follows the output language.
TEST_F(FileDialogsUi, TheHelperIsSavedUnderTheProposedNameWithItsLanguagesExtension) {
    for (const auto& [language, filter, file] :
         {std::tuple{Language::Java, "Java Kaynak Kod (*.java)", "DatabaseHelper.java"},
          std::tuple{Language::Kotlin, "Kotlin Kaynak Kod (*.kt)", "DatabaseHelper.kt"}}) {
        SCOPED_TRACE(file);
        SqliteToolState state{"2"};
        SqliteTool tool(m_services, state, {"Kisiler", "Rehber.db", "com.zep"}, language);
        tool.chooseNewType(1);
        tool.columnName = "ad";
        ASSERT_TRUE(tool.addColumn().ok());
        SqliteToolDialog shown(tool);
        shown.show();
        EXPECT_EQ(child<QPushButton>(shown, "saveButton").text(),
                  QString::fromUtf8(file) + QStringLiteral(" &KAYDET"));
        ModalHandler saver([&](QDialog& d) {
            auto& files = static_cast<QFileDialog&>(d);
            EXPECT_EQ(files.nameFilters(), QStringList{QString::fromUtf8(filter)});
            files.setDirectory(m_dir.path());
            EXPECT_EQ(child<QLineEdit>(files, "fileNameEdit").text(),
                      QStringLiteral("DatabaseHelper"));
            QMetaObject::invokeMethod(&files, "accept");
        });
        click(shown, "saveButton");
        ASSERT_TRUE(saver.handled());
        EXPECT_TRUE(QFile::exists(m_dir.filePath(QString::fromUtf8(file))));
    }
}

// A window title holds one line: the folder browser takes the prompt's first line as its title.
TEST_F(FileDialogsUi, TheFolderBrowserIsTitledWithThePromptsFirstLine) {
    ModalHandler browser([&](QDialog& d) {
        static_cast<QFileDialog&>(d).setDirectory(m_dir.path());
        QMetaObject::invokeMethod(&d, "accept");
    });
    EXPECT_TRUE(m_wizard.pickFolder().ok());
    ASSERT_TRUE(browser.handled());
    EXPECT_EQ(browser.title(), QStringLiteral("Lütfen ZEP klasörünün oluşacağı yeri seçin."));
    EXPECT_EQ(m_project.outputFolder, m_dir.path().toStdString());
}

// Qt's own texts from its Turkish catalogue, and dates and sizes in Turkish form.
TEST_F(FileDialogsUi, QtsOwnDialogNamesFoldersDatesAndSizesInTurkish) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("alt")));
    touch(m_dir, "a.png");
    const QString png = m_dir.filePath(QStringLiteral("a.png"));
    QFileDialog dialog(nullptr, QStringLiteral("Deneme"), m_dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex folder = model->index(m_dir.filePath(QStringLiteral("alt")), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!model->data(folder).toString().isEmpty(), 5000);

    EXPECT_EQ(model->data(folder).toString(), QStringLiteral("Klasör"));
    EXPECT_EQ(model->data(model->index(png, 1)).toString(), QStringLiteral("0 bayt"));
    EXPECT_EQ(model->data(model->index(png, 3)).toString(),
              QLocale(QLocale::Turkish, QLocale::Turkey)
                  .toString(QFileInfo(png).lastModified(), QLocale::ShortFormat));
}

}  // namespace
}  // namespace nakkas::test
