// Replaces the code panel of the running window with a 5 MB text and copies it all, timing each
// step as the user meets it.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/form_view_widget.h"
#include "app/main_window.h"
#include "definer/code_editor.h"
#include "qt_services.h"

namespace {

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

void report(const char* name, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("%-34s median %7.1f ms   worst %7.1f ms\n", name, v[v.size() / 2], v.back());
}

}  // namespace

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
    nakkas::CodeEditor& editor = window.formView().editor();
    std::vector<double> replace, whole, copyAll, copyEdited;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer t;
        t.start();
        view.panel().replace(text);
        app.processEvents();  // the repaint with the first screen of the new text
        replace.push_back(ms(t));
        while (editor.loading()) app.processEvents();
        whole.push_back(ms(t));

        t.restart();
        view.copyAll();
        copyAll.push_back(ms(t));

        editor.appendPlainText(QStringLiteral("// düzenlendi"));  // an edit: copy-all rebuilds
        t.restart();
        view.copyAll();
        copyEdited.push_back(ms(t));
    }
    report("replace 5 MB, first screen painted", replace);
    report("replace 5 MB, whole text in editor", whole);
    report("copy all 5 MB", copyAll);
    report("copy all 5 MB after an edit", copyEdited);
    std::printf("clipboard characters: %lld\n",
                static_cast<long long>(QGuiApplication::clipboard()->text().size()));
    return 0;
}
