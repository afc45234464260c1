#include "host_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "desktop_trash.h"
#include "platform/visible_text.h"
#include "qt_utf8.h"

namespace nakkas {

namespace {

QString key(const std::string& section, const std::string& name) {
    return section.empty() ? qs(name) : qs(section) + QLatin1Char('/') + qs(name);
}

// The user's own file and nothing else. Qt's per-user scope would also read the maker-wide file
// and the system-wide copies under /etc/xdg: a stray value there would be used, and a corrupt
// one would make every value read as factory and a good save report failure.
QString userSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pelvan/Nakkas 2012.ini");
}

// Qt reads any bytes as an INI file and reports no error, so a file of binary junk would pass
// for an empty store. Text never holds a NUL or the other control characters; junk almost always
// does. DEL is not among them: Qt itself writes it unescaped when a value holds one, and a store
// it saved must read back.
bool looksLikeText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;  // QSettings reports what it cannot open
    const QByteArray bytes = file.readAll();
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
    });
}

}  // namespace

HostServices::HostServices() : m_path(userSettingsFile()) {}

HostServices::HostServices(const std::string& settingsFile) : m_path(qs(settingsFile)) {}

HostServices::~HostServices() = default;

QSettings* HostServices::store() const {
    if (m_opened) return m_settings.get();
    m_opened = true;
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile()) {
        m_readable = false;
    } else {
        m_junk = info.exists() && !looksLikeText(m_path);
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
        // A key written as "Section\Name" outside its section is found by Qt only once it has
        // parsed the whole file, as a save does; without this, a save would bring up a stored
        // value that the reads before it did not see.
        m_settings->allKeys();
        m_readable = !m_junk && m_settings->status() == QSettings::NoError;
    }
    if (!m_readable) settingsUnreadable(us(m_path));
    return m_settings.get();
}

bool HostServices::settingsReadable() const {
    store();
    return m_readable;
}

void HostServices::settingsUnreadable(const std::string& location) const {
    const std::string notice =
        "Uyarı: ayar dosyası okunamadı, fabrika değerleri kullanılıyor: " + location + "\n";
    std::fwrite(notice.data(), 1, notice.size(), stderr);
}

MessageAnswer HostServices::messageBox(const std::string& text, const std::string&, MessageIcon,
                                       MessageButtons buttons) {
    // Messages name what the user typed or a file held, which must not steer the terminal.
    const std::string shown = visibleText(text, true);
    std::fwrite(shown.data(), 1, shown.size(), stderr);
    std::fputc('\n', stderr);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

std::optional<std::string> HostServices::readString(const std::string& section,
                                                    const std::string& name) {
    QSettings* settings = store();
    if (!settings || !m_readable) return std::nullopt;
    const QVariant v = settings->value(key(section, name));
    if (!v.isValid()) return std::nullopt;
    // An unquoted comma in a hand-edited INI file makes Qt read a list; keep the text whole.
    if (v.typeId() == QMetaType::QStringList)
        return us(v.toStringList().join(QStringLiteral(", ")));
    return us(v.toString());
}

QSettings* HostServices::storeForWriting() {
    QSettings* settings = store();
    // What Qt made of junk must not be saved back beside the new values.
    if (settings && m_junk) {
        settings->clear();
        m_junk = false;
        m_readable = true;
    }
    return settings;
}

void HostServices::writeString(const std::string& section, const std::string& name,
                               const std::string& value) {
    if (QSettings* settings = storeForWriting()) settings->setValue(key(section, name), qs(value));
}

int HostServices::readInt(const std::string& name, int fallback) {
    QSettings* settings = store();
    if (!settings || !m_readable) return fallback;
    bool ok = false;
    const int v = settings->value(qs(name)).toInt(&ok);
    return ok ? v : fallback;
}

void HostServices::writeInt(const std::string& name, int value) {
    if (QSettings* settings = storeForWriting()) settings->setValue(qs(name), value);
}

bool HostServices::commitSettings() {
    // Nothing can be saved over a path that is not a regular file.
    if (!store()) return false;
    m_settings->sync();
    const QSettings::Status status = m_settings->status();
    if (status == QSettings::AccessError) return false;
    if (status == QSettings::FormatError) {
        // QSettings keeps reporting the fault it met when it first read a corrupt file, even
        // after the sync above has written our values over it. Read the file afresh to know.
        auto fresh = std::make_unique<QSettings>(m_settings->fileName(), QSettings::IniFormat);
        if (fresh->status() != QSettings::NoError) return false;
        m_settings = std::move(fresh);
        m_readable = true;
    }
    // QSettings reports no error when the folder of its file cannot be made; look for the file.
    return QFileInfo::exists(m_settings->fileName());
}

std::string HostServices::settingsLocation() const {
    return us(m_path);
}

void HostServices::openDesktop(const std::string& target) {
    QProcess::startDetached(QStringLiteral("xdg-open"), {qs(target)});
}

namespace {

// The bytes the operating system knows a path by.
QByteArray native(const std::string& path) {
    return QFile::encodeName(qs(path));
}

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    explicit operator bool() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // False when the last writes could not be flushed.
    bool close() {
        const int fd = std::exchange(m_fd, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool copyBytes(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, size_t(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return false;
            done += put;
        }
    }
}

}  // namespace

// Qt prints a complaint of its own for an empty path before it fails; such a path is refused
// here, before Qt sees it, so that the program's own message is the only one.

bool HostServices::pathExists(const std::string& path) {
    if (path.empty()) return false;
    return QFileInfo::exists(qs(path)) || QFileInfo(qs(path)).isSymLink();
}

bool HostServices::createFolder(const std::string& path) {
    return !path.empty() && QDir().mkdir(qs(path));
}

bool HostServices::copyFileNoOverwrite(const std::string& source, const std::string& target) {
    if (source.empty() || target.empty()) return false;
    // Opening a FIFO for reading would wait for a writer; without blocking it opens at once and
    // is then refused like every other path that is not a regular file.
    const Descriptor in(::open(native(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!in || ::fstat(in.fd(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    const QByteArray to = native(target);
    Descriptor out(::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out) return false;
    const bool copied = copyBytes(in.fd(), out.fd());
    if (out.close() && copied) return true;
    ::unlink(to.constData());  // ours: O_EXCL made it
    return false;
}

bool HostServices::moveFolderToTrash(const std::string& path) {
    if (path.empty()) return false;
    const QString p = qs(path);
    if (!QFileInfo(p).isDir()) return false;
    if (!moveToDesktopTrash(native(path).constData())) return false;
    return !QFileInfo::exists(p) && !QFileInfo(p).isSymLink();
}

bool HostServices::writeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return false;
    const QString p = qs(path);
    const QFileInfo info(p);
    // A FIFO would block the writer and a device would take the bytes elsewhere; a link that
    // leads nowhere would be replaced by a file.
    if (info.exists() ? !info.isFile() : info.isSymLink()) return false;
    if (!info.exists()) {
        // Nothing old can be lost: the file is written where it goes, and removed again when
        // the write fails. This spares a project tree the disk syncs of a replacing save.
        QFile file(p);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            bool written = file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
            written = file.flush() && written;
            file.close();
            if (written && file.error() == QFileDevice::NoError) return true;
            file.remove();
            return false;
        }
        if (!QFileInfo::exists(p)) return false;  // else made meanwhile: replaced as below
    }
    // The new text goes to a file of its own beside the target and replaces it only when it is
    // complete, so that a full disk or a size limit leaves the old file as it was.
    QSaveFile file(p);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // commit() does not look at the flush it makes; a short write there (a full disk, a size
    // limit) would put a cut file in place. Flushed here, it is seen.
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> HostServices::createFreshFolder(const std::string& parent,
                                                           const std::string& prefix) {
    if (parent.empty()) return std::nullopt;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string base = parent.back() == '/' ? parent + prefix : parent + "/" + prefix;
    for (int attempt = 0; attempt < 64; ++attempt) {
        std::string path = base;
        for (int i = 0; i < 8; ++i)
            path += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        // mkdir either makes the folder or fails, so two runs are never handed the same one;
        // the user's umask decides its mode, as for every other folder of the tree.
        if (::mkdir(native(path).constData(), 0777) == 0) return path;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

bool HostServices::renameFolder(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty()) return false;
    const QByteArray a = native(from), b = native(to);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // Some file systems cannot promise "no replace"; a plain rename still never replaces a
    // folder that holds anything, and the look before it covers an empty one.
    if (errno != EINVAL && errno != ENOSYS) return false;
    struct stat status {};
    if (::lstat(b.constData(), &status) == 0 || errno != ENOENT) return false;
    return ::rename(a.constData(), b.constData()) == 0;
}

bool HostServices::removeTree(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    // A link inside is deleted as a link; what it points to is left alone.
    std::filesystem::remove_all(std::filesystem::path(native(path).toStdString()), error);
    return !error;
}

bool HostServices::startNewInstance() {
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, {});
}

}  // namespace nakkas
