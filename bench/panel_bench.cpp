// Replaces the code panel of the running window with a 5 MB text and copies it all, timing each.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

#include "app/form_view_widget.h"
#include "app/main_window.h"
#include "definer/code_editor.h"
#include "qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    nakkas::QtServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    nakkas::Defaults defaults = nakkas::Defaults::factory();
    nakkas::MainWindow window(services, defaults);
    window.show();
    app.processEvents();

    // 5 MB of generated-looking Java lines.
    const std::string line =
        "final TextView textView1 = (TextView) findViewById(R.id.textView1); // Örnek satır\r\n";
    std::string text;
    while (text.size() < 5 * 1024 * 1024) text += line;

    nakkas::FormView& view = window.formView().model();
    double worstReplace = 0, worstCopy = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        view.panel().replace(text);
        app.processEvents();  // includes the repaint
        worstReplace = std::max(worstReplace, t.nsecsElapsed() / 1e6);

        window.formView().editor().appendPlainText(QString());  // an edit: copy-all rebuilds
        t.restart();
        view.copyAll();
        worstCopy = std::max(worstCopy, t.nsecsElapsed() / 1e6);
    }
    std::printf("panel_replace_5MB_ms %.1f\ncopy_all_5MB_ms %.1f\nclipboard_chars %lld\n",
                worstReplace, worstCopy,
                static_cast<long long>(QGuiApplication::clipboard()->text().size()));
    return 0;
}
