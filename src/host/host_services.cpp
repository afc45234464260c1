#include "host_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace nakkas {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string u(const QString& s) { return s.toStdString(); }

QString key(const std::string& section, const std::string& name) {
    return section.empty() ? q(name) : q(section) + QLatin1Char('/') + q(name);
}

}  // namespace

HostServices::HostServices()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Pelvan"),
                                             QStringLiteral("Nakkas 2012"))) {
    m_readable = m_settings->status() == QSettings::NoError;
}

HostServices::HostServices(const std::string& settingsFile)
    : m_settings(std::make_unique<QSettings>(q(settingsFile), QSettings::IniFormat)) {
    m_readable = m_settings->status() == QSettings::NoError;
}

HostServices::~HostServices() = default;

MessageAnswer HostServices::messageBox(const std::string& text, const std::string&, MessageIcon,
                                       MessageButtons buttons) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

std::optional<std::string> HostServices::readString(const std::string& section,
                                                    const std::string& name) {
    if (!m_readable) return std::nullopt;
    const QVariant v = m_settings->value(key(section, name));
    if (!v.isValid()) return std::nullopt;
    // An unquoted comma in a hand-edited INI file makes Qt read a list; keep the text whole.
    if (v.typeId() == QMetaType::QStringList) return u(v.toStringList().join(QStringLiteral(", ")));
    return u(v.toString());
}

void HostServices::writeString(const std::string& section, const std::string& name,
                               const std::string& value) {
    m_settings->setValue(key(section, name), q(value));
}

int HostServices::readInt(const std::string& name, int fallback) {
    if (!m_readable) return fallback;
    bool ok = false;
    const int v = m_settings->value(q(name)).toInt(&ok);
    return ok ? v : fallback;
}

void HostServices::writeInt(const std::string& name, int value) {
    m_settings->setValue(q(name), value);
}

bool HostServices::commitSettings() {
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

std::string HostServices::settingsLocation() const { return u(m_settings->fileName()); }

void HostServices::openDesktop(const std::string& target) {
    QProcess::startDetached(QStringLiteral("xdg-open"), {q(target)});
}

bool HostServices::pathExists(const std::string& path) {
    return QFileInfo::exists(q(path)) || QFileInfo(q(path)).isSymLink();
}

bool HostServices::createFolder(const std::string& path) { return QDir().mkdir(q(path)); }

bool HostServices::copyFileNoOverwrite(const std::string& source, const std::string& target) {
    // QFile::copy never replaces an existing target.
    return QFile::copy(q(source), q(target));
}

bool HostServices::moveFolderToTrash(const std::string& path) {
    // Qt 6.4 falls back to a trash folder in the current directory when the user's data folder
    // is missing; make sure it exists so the trash lands where the desktop expects it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) QDir().mkpath(data);
    const QString p = q(path);
    if (!QFileInfo(p).isDir()) return false;
    if (!QFile::moveToTrash(p)) return false;
    return !QFileInfo::exists(p);
}

bool HostServices::writeFile(const std::string& path, const std::string& bytes) {
    QFile file(q(path));
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
