#include "application.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/form_view_widget.h"
#include "app/main_window.h"
#include "qt_services.h"
#include "qt_text.h"

namespace nakkas {

QString helpFolder() {
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {dir.filePath(QStringLiteral("help")),
                                     dir.filePath(QStringLiteral("../share/nakkas/help"))}) {
        if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
    }
    return dir.filePath(QStringLiteral("help"));
}

Application::Application(int& argc, char** argv) : m_app(argc, argv) {
    // The class name the desktop groups our windows by.
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppId));
    QCoreApplication::setOrganizationName(QStringLiteral("Pelvan"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));

    // Qt's own buttons ("Evet", "Hayır", file dialogs) in Turkish.
    m_translator = std::make_unique<QTranslator>();
    if (m_translator->load(QStringLiteral("qtbase_tr"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_translator.get());

    m_services = std::make_unique<QtServices>();
    m_defaults = Defaults::load(*m_services);
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
