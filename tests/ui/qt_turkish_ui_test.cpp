// Qt's own dialogs speak Turkish: texts from Qt's catalogue, and dates and sizes in Turkish form.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(QtTurkish, TheFileDialogNamesFoldersDatesAndSizesInTurkish) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("alt")));
    QFile empty(dir.filePath(QStringLiteral("a.png")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    QFileDialog dialog(nullptr, QStringLiteral("Deneme"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex root = model->index(dir.path());
    QModelIndex folder, file;
    QTRY_VERIFY_WITH_TIMEOUT(
        (folder = model->index(dir.filePath(QStringLiteral("alt")), 2),
         file = model->index(dir.filePath(QStringLiteral("a.png")), 1),
         model->rowCount(root) == 2 && !model->data(folder).toString().isEmpty()),
        5000);

    EXPECT_EQ(model->data(folder).toString(), QStringLiteral("Klasör"));
    EXPECT_EQ(model->data(file).toString(), QStringLiteral("0 bayt"));
    const QModelIndex modified = model->index(dir.filePath(QStringLiteral("a.png")), 3);
    const QDateTime when = QFileInfo(empty.fileName()).lastModified();
    EXPECT_EQ(model->data(modified).toString(),
              QLocale(QLocale::Turkish, QLocale::Turkey).toString(when, QLocale::ShortFormat));
}

}  // namespace
