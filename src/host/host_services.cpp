#include "host_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

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
// does.
bool looksLikeText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;  // QSettings reports what it cannot open
    const QByteArray bytes = file.readAll();
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F;
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
    std::fwrite(text.data(), 1, text.size(), stderr);
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

bool HostServices::pathExists(const std::string& path) {
    return QFileInfo::exists(qs(path)) || QFileInfo(qs(path)).isSymLink();
}

bool HostServices::createFolder(const std::string& path) {
    return QDir().mkdir(qs(path));
}

bool HostServices::copyFileNoOverwrite(const std::string& source, const std::string& target) {
    // QFile::copy never replaces an existing target.
    return QFile::copy(qs(source), qs(target));
}

bool HostServices::moveFolderToTrash(const std::string& path) {
    // Qt 6.4 falls back to a trash folder in the current directory when the user's data folder
    // is missing; make sure it exists so the trash lands where the desktop expects it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) QDir().mkpath(data);
    const QString p = qs(path);
    if (!QFileInfo(p).isDir()) return false;
    if (!QFile::moveToTrash(p)) return false;
    return !QFileInfo::exists(p);
}

bool HostServices::writeFile(const std::string& path, const std::string& bytes) {
    QFile file(qs(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const qint64 written = file.write(bytes.data(), qint64(bytes.size()));
    file.close();
    return written == qint64(bytes.size()) && file.error() == QFileDevice::NoError;
}

bool HostServices::startNewInstance() {
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, {});
}

}  // namespace nakkas
