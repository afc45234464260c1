// Starts Nakkas exactly as the program does and quits at the first paint of its main window.
#include <QEvent>
#include <QTimer>

#include "app/application.h"
#include "app/main_window.h"

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    nakkas::Application app(argc, argv);
    FirstPaint watcher;
    app.window().installEventFilter(&watcher);
    return app.exec();
}
