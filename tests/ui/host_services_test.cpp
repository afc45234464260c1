// The Qt Core services against real files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "host_services.h"

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(HostServices, CorruptSettingsReadAsMissingAndAreRepairedBySaving) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ayarlar.ini"));
    const char corrupt[] = "[Varsayilanlar\nPaketAdi=bozuk\n\0\xff [[[\n";
    writeBytes(file, QByteArray(corrupt, sizeof(corrupt) - 1));

    nakkas::HostServices services(file.toStdString());
    EXPECT_FALSE(services.settingsReadable());
    EXPECT_EQ(services.readString("Varsayilanlar", "PaketAdi"), std::nullopt);
    EXPECT_EQ(services.readInt("ApplicationLook", 216), 216);

    services.writeString("Varsayilanlar", "PaketAdi", "com.ornek.yeni");
    EXPECT_TRUE(services.commitSettings());
    EXPECT_EQ(services.readString("Varsayilanlar", "PaketAdi"), "com.ornek.yeni");
    QSettings check(file, QSettings::IniFormat);
    EXPECT_EQ(check.status(), QSettings::NoError);
    EXPECT_EQ(check.value(QStringLiteral("Varsayilanlar/PaketAdi")).toString(),
              QStringLiteral("com.ornek.yeni"));
}

TEST(HostServices, EmptyStoredValueStaysEmptyAndTurkishTextRoundTrips) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ayarlar.ini"));
    {
        nakkas::HostServices services(file.toStdString());
        services.writeString("Varsayilanlar", "ActivityAdi", "");
        services.writeString("Varsayilanlar", "TabloAdi", "Öğrenciİşleri");
        services.writeInt("ApplicationLook", 218);
        ASSERT_TRUE(services.commitSettings());
    }
    nakkas::HostServices again(file.toStdString());
    EXPECT_EQ(again.readString("Varsayilanlar", "ActivityAdi"), "");
    EXPECT_EQ(again.readString("Varsayilanlar", "TabloAdi"), "Öğrenciİşleri");
    EXPECT_EQ(again.readString("Varsayilanlar", "PaketAdi"), std::nullopt);
    EXPECT_EQ(again.readInt("ApplicationLook", 216), 218);
}

TEST(HostServices, UnwritableStoreIsReported) {
    QTemporaryDir dir;
    // A plain file where the settings folder should be: nothing can be created below it.
    writeBytes(dir.filePath(QStringLiteral("engel")), "x");
    nakkas::HostServices services(dir.filePath(QStringLiteral("engel/ayarlar.ini")).toStdString());
    services.writeString("Varsayilanlar", "PaketAdi", "com.ornek");
    EXPECT_FALSE(services.commitSettings());
}

TEST(HostServices, FilesAreNeverOverwrittenAndTrashRemovesTheFolder) {
    QTemporaryDir dir;
    nakkas::HostServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    const std::string a = dir.filePath(QStringLiteral("a.txt")).toStdString();
    const std::string b = dir.filePath(QStringLiteral("b.txt")).toStdString();
    ASSERT_TRUE(services.writeFile(a, "bir\r\niki"));
    ASSERT_TRUE(services.writeFile(b, "eski"));
    EXPECT_FALSE(services.copyFileNoOverwrite(a, b));
    QFile fb(QString::fromStdString(b));
    ASSERT_TRUE(fb.open(QIODevice::ReadOnly));
    EXPECT_EQ(fb.readAll(), QByteArray("eski"));

    // Keep the trash inside the temporary folder.
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    const QString project = dir.filePath(QStringLiteral("Zep"));
    ASSERT_TRUE(QDir().mkpath(project + QStringLiteral("/res/layout")));
    EXPECT_TRUE(services.moveFolderToTrash(project.toStdString()));
    EXPECT_FALSE(QFileInfo::exists(project));
    EXPECT_FALSE(services.moveFolderToTrash(project.toStdString()));
    if (oldHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldHome);
}

}  // namespace

namespace {

TEST(HostServices, HandEditedCommaValueIsReadWhole) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ayarlar.ini"));
    writeBytes(file, "[Varsayilanlar]\nPaketAdi=com.a, b\n");
    nakkas::HostServices services(file.toStdString());
    EXPECT_EQ(services.readString("Varsayilanlar", "PaketAdi"), "com.a, b");
}

}  // namespace
