#include "application.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <string_view>

#include "app/form_view_widget.h"
#include "app/main_window.h"
#include "qt_services.h"
#include "qt_text.h"

namespace nakkas {

// The desktop entry's StartupWMClass names this class; the build keeps the two in step.
static_assert(std::string_view(Application::kAppId) == NAKKAS_WM_CLASS);

namespace {
// Off by default; "QT_LOGGING_RULES=nakkas.help.info=true" shows which folder was chosen.
Q_LOGGING_CATEGORY(lcHelp, "nakkas.help", QtWarningMsg)
}  // namespace

QString helpFolder(const QString& programFolder) {
    const QDir dir(programFolder);
    // Beside the program in the build folder; under share/ once installed.
    const QString built = dir.filePath(QStringLiteral("help"));
    const QString installed = QDir::cleanPath(dir.filePath(QStringLiteral(NAKKAS_HELP_FROM_BIN)));
    for (const QString& candidate : {built, installed}) {
        if (QFileInfo(candidate).isDir()) {
            qCInfo(lcHelp, "Yardım sayfaları: %s", qUtf8Printable(QDir::cleanPath(candidate)));
            return QDir::cleanPath(candidate);
        }
    }
    // Help commands would open missing pages; say so where a packager will see it.
    qCWarning(lcHelp, "Yardım sayfaları bulunamadı: %s", qUtf8Printable(installed));
    return installed;
}

Application::Application(int& argc, char** argv) : m_app(argc, argv) {
    // The class name the desktop groups our windows by.
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppId));
    QCoreApplication::setOrganizationName(QStringLiteral("Pelvan"));
    // Wayland matches the window to the installed desktop entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(NAKKAS_APP_ID));

    m_services = std::make_unique<QtServices>();
    m_defaults = Defaults::load(*m_services);
    m_fonts.wait();
    m_turkish.finish();
    m_window = std::make_unique<MainWindow>(*m_services, m_defaults);
    m_services->setParentWidget(m_window.get());
    m_window->formView().model().setHelpFolder(us(helpFolder()));
}

Application::~Application() {
    // The window refers to the services and the defaults; it goes first.
    m_window.reset();
}

int Application::exec() {
    m_window->show();
    return m_app.exec();
}

}  // namespace nakkas
