// The Qt Core services against real files, each test in a folder of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <future>
#include <optional>
#include <thread>
#include <tuple>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "host_services.h"

namespace {

class HostServices : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    std::string file(const char* name = "ayarlar.ini") const { return path(name).toStdString(); }
    void writeBytes(const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    QTemporaryDir m_dir;
};

// Runs the call on a thread of its own: nullopt when it has not returned within five seconds, so
// that a call that blocks fails the test instead of hanging it.
template <class Call>
auto within5s(Call call) -> std::optional<decltype(call())> {
    using Result = decltype(call());
    auto result = std::make_shared<std::promise<Result>>();
    std::thread([result, call = std::move(call)] { result->set_value(call()); }).detach();
    auto done = result->get_future();
    if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) return std::nullopt;
    return done.get();
}

// A corrupt file, or junk that Qt parses without complaint, reads as holding nothing, and a save
// keeps none of it; what is saved reads back whole, a DEL (which Qt writes as it is) and a
// leading byte order mark included, in a value as in a file name.
TEST_F(HostServices, UnreadableSettingsReadAsMissingAndSavedValuesRoundTrip) {
    const char corrupt[] = "[Varsayilanlar\nPaketAdi=bozuk\n\0\xff [[[\n";
    const char junk[] = "[Varsayilanlar]\nSimgeAdi=\x01\x02\x89PNG\nTabloAdi=x\0y\n";
    const std::string bom = "\357\273\277ad";  // U+FEFF as UTF-8
    const std::pair<const char*, std::string> saved[] = {
        {"PaketAdi", bom}, {"ActivityAdi", ""}, {"TabloAdi", "Öğrenci\177İşleri"}};
    for (const QByteArray& bad :
         {QByteArray(corrupt, sizeof(corrupt) - 1), QByteArray(junk, sizeof(junk) - 1)}) {
        writeBytes("ayarlar.ini", bad);
        {
            nakkas::HostServices services(file());
            EXPECT_FALSE(services.settingsReadable());
            for (const char* name : {"PaketAdi", "TabloAdi"})
                EXPECT_EQ(services.readString("Varsayilanlar", name), std::nullopt) << name;
            EXPECT_EQ(services.readInt("ApplicationLook", 216), 216);
            for (const auto& [name, value] : saved)
                services.writeString("Varsayilanlar", name, value);
            services.writeInt("ApplicationLook", 218);
            ASSERT_TRUE(services.commitSettings());
        }
        nakkas::HostServices again(file());
        EXPECT_TRUE(again.settingsReadable());
        for (const auto& [name, value] : saved)
            EXPECT_EQ(again.readString("Varsayilanlar", name), value) << name;
        EXPECT_EQ(again.readString("Varsayilanlar", "SimgeAdi"), std::nullopt);
        EXPECT_EQ(again.readInt("ApplicationLook", 216), 218);
    }
    nakkas::HostServices services(file());
    ASSERT_TRUE(services.writeFile(m_dir.path().toStdString() + "/" + bom, "x"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList({"ayarlar.ini", QChar(0xFEFF) + QString("ad")}));

    // A hand-edited comma does not make a list of the value.
    writeBytes("ayarlar.ini", "[Varsayilanlar]\nPaketAdi=com.a, b\n");
    EXPECT_EQ(nakkas::HostServices(file()).readString("Varsayilanlar", "PaketAdi"), "com.a, b");
}

// Below a plain file nothing can be created; a FIFO would block whoever opens it, so it reads as
// factory values. Neither can be saved to, which the window reports with its write error. The store
// runs on a thread of its own, so that a store that blocks fails the test instead of hanging it.
TEST_F(HostServices, AStoreThatCannotBeWrittenIsReported) {
    writeBytes("engel", "x");
    ASSERT_EQ(mkfifo(path("fifo.ini").toLocal8Bit().constData(), 0600), 0);
    for (const auto& [name, readable] :
         {std::pair{"engel/ayarlar.ini", true}, std::pair{"fifo.ini", false}}) {
        const auto seen = within5s([settings = file(name)] {
            nakkas::HostServices services(settings);
            const bool readable = services.settingsReadable();
            const bool found = services.readString("Varsayilanlar", "PaketAdi").has_value();
            services.writeString("Varsayilanlar", "PaketAdi", "com.ornek");
            return std::tuple{readable, found, services.commitSettings()};
        });
        EXPECT_EQ(seen, std::make_tuple(readable, false, false)) << name;
    }
}

TEST_F(HostServices, FilesAreNeverOverwrittenAndTrashRemovesTheFolder) {
    nakkas::HostServices services(file());
    ASSERT_TRUE(services.writeFile(file("a.txt"), "bir\r\niki"));
    ASSERT_TRUE(services.writeFile(file("b.txt"), "eski"));
    EXPECT_FALSE(services.copyFileNoOverwrite(file("a.txt"), file("b.txt")));
    QFile b(path("b.txt"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), "eski");

    // Keep the trash inside the temporary folder: the home trash is used for a folder on the
    // home's volume. The trash reads both names once per process; no other test moves to it.
    const QByteArray oldData = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
    qputenv("XDG_DATA_HOME", path("data").toUtf8());
    qputenv("HOME", m_dir.path().toUtf8());
    ASSERT_TRUE(QDir().mkpath(path("Zep/res/layout")));
    EXPECT_TRUE(services.moveFolderToTrash(file("Zep")));
    EXPECT_FALSE(QFileInfo::exists(path("Zep")));
    EXPECT_TRUE(QFileInfo(path("data/Trash/files/Zep/res/layout")).isDir());
    EXPECT_FALSE(services.moveFolderToTrash(file("Zep")));
    oldData.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldData);
    qputenv("HOME", oldHome);
}

// Only a regular file is written or copied: a FIFO would block for ever, a folder or a link to
// nowhere is no file. An empty path is refused before Qt can complain about it on its own.
TEST_F(HostServices, OnlyRegularFilesAreWrittenOrCopied) {
    nakkas::HostServices services(file());
    ASSERT_TRUE(services.writeFile(file("eski.txt"), "eski"));
    ASSERT_TRUE(services.writeFile(file("eski.txt"), "yeni"));
    ASSERT_EQ(mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(path("klasor")));
    ASSERT_TRUE(QFile::link(path("yok"), path("bos_bag")));
    for (const char* name : {"fifo", "klasor", "bos_bag"}) {
        EXPECT_EQ(within5s([&] { return services.writeFile(file(name), "x"); }), false) << name;
        EXPECT_EQ(within5s([&] { return services.copyFileNoOverwrite(file(name), file("k")); }),
                  false)
            << name;
    }
    EXPECT_TRUE(QFileInfo(path("bos_bag")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(path("yok")) || QFileInfo::exists(path("k")));
    EXPECT_TRUE(services.copyFileNoOverwrite(file("eski.txt"), file("kopya.txt")));
    QFile copy(path("kopya.txt"));
    EXPECT_TRUE(copy.open(QIODevice::ReadOnly) && copy.readAll() == "yeni");

    static QStringList said;
    const QtMessageHandler old = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& m) { said << m; });
    EXPECT_FALSE(services.writeFile("", "x"));
    EXPECT_FALSE(services.copyFileNoOverwrite(file("eski.txt"), ""));
    EXPECT_FALSE(services.createFolder(""));
    qInstallMessageHandler(old);
    EXPECT_TRUE(said.isEmpty()) << said.join(u'\n').toStdString();
}

// A tree is built in a fresh folder and renamed into place; the rename never replaces what is
// there, and removing a tree leaves alone what its links point to.
TEST_F(HostServices, FreshFoldersRenameWithoutReplacingAndRemoveWithoutFollowingLinks) {
    nakkas::HostServices services(file());
    const auto a = services.createFreshFolder(file("."), ".Zep-");
    const auto b = services.createFreshFolder(m_dir.path().toStdString(), ".Zep-");
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(*b)).fileName().startsWith(".Zep-"));
    EXPECT_EQ(services.createFreshFolder(file("yok"), ".Zep-"), std::nullopt);

    ASSERT_TRUE(services.renameFolder(*a, file("Zep")));
    EXPECT_FALSE(services.renameFolder(*b, file("Zep")));  // empty, yet not replaced
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(*a)));

    ASSERT_TRUE(services.writeFile(file("disarida.txt"), "kalsin"));
    ASSERT_TRUE(QFile::link(path("disarida.txt"), QString::fromStdString(*b + "/bag")));
    ASSERT_TRUE(QFile::link(m_dir.path(), QString::fromStdString(*b + "/ust")));
    EXPECT_TRUE(services.removeTree(*b));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(*b)));
    EXPECT_TRUE(QFileInfo::exists(path("disarida.txt")) && QFileInfo::exists(path("Zep")));
}

}  // namespace
