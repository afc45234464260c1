// The smallest Qt Widgets program with a window of Nakkas's size, quitting at its first paint.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(770, 760);
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    window.show();
    return app.exec();
}
