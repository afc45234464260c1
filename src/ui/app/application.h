#pragma once

#include <QApplication>
#include <memory>

#include "app/defaults.h"
#include "app/font_warm_up.h"
#include "app/turkish_qt.h"

namespace nakkas {

class MainWindow;
class QtServices;

// Start-up: the application object, Qt's Turkish texts, the defaults record and the main window.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();

    MainWindow& window() { return *m_window; }
    int exec();

    static constexpr const char* kAppId = "Nakkas.AppID.NoVersion";

private:
    // The locale's variable is set before the font thread starts and given back after it ends:
    // the environment must not change under a thread that reads it.
    TurkishQt m_turkish;  // made before the application object reads the locale
    FontWarmUp m_fonts;   // runs while the application object is built
    QApplication m_app;
    std::unique_ptr<QtServices> m_services;
    Defaults m_defaults;
    std::unique_ptr<MainWindow> m_window;
};

// The help pages of the program in the given folder: beside it in the build folder, under
// share/nakkas/help once installed. Warns when neither exists.
QString helpFolder(const QString& programFolder = QCoreApplication::applicationDirPath());

}  // namespace nakkas
