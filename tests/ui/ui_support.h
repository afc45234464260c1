#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/defaults.h"
#include "app/form_view_widget.h"
#include "app/main_window.h"
#include "fake_services.h"
#include "qt_services.h"

class QDialog;

namespace nakkas::test {

// The window's real services over a given settings file, except that message boxes are recorded
// and answered from a queue (No when it runs dry) and nothing is started on the desktop: a test
// must never block on a box nor launch a second copy of itself.
class RecordingQtServices : public QtServices {
public:
    using Message = FakeServices::Message;

    explicit RecordingQtServices(const std::string& settingsFile) : QtServices(settingsFile) {}

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> opened;
    int restarts = 0;

    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) override;
    void openDesktop(const std::string& target) override { opened.push_back(target); }
    bool startNewInstance() override {
        ++restarts;
        return true;
    }
};

// Acts on the next modal dialog once it is up. The product opens dialogs with exec(), so the
// action has to be queued before the command that opens one. A dialog that the action leaves
// open is rejected after a grace period and reported, so a fault cannot hang the suite; a dialog
// that never opens stops the polling when the handler goes out of scope.
class ModalHandler {
public:
    explicit ModalHandler(std::function<void(QDialog&)> action);
    ~ModalHandler();
    ModalHandler(const ModalHandler&) = delete;
    ModalHandler& operator=(const ModalHandler&) = delete;

    // True once the action has run on a dialog.
    bool handled() const { return m_handled; }
    // The title of the dialog the action ran on.
    const QString& title() const { return m_title; }

private:
    std::function<void(QDialog&)> m_action;
    QTimer m_poll;
    QTimer m_watchdog;
    int m_tries = 0;
    bool m_handled = false;
    QString m_title;
};

// A main window over scripted services, with the factory defaults unless told otherwise.
struct FakeWindow {
    explicit FakeWindow(Defaults d = Defaults::factory()) : defaults(std::move(d)) {}

    FakeServices services;
    Defaults defaults;
    MainWindow window{services, defaults};

    FormView& model() { return window.formView().model(); }
    std::string panel() { return model().panel().text(); }
};

// Clicks a ribbon button with the mouse after opening the category that holds it, as a user would.
void clickRibbon(MainWindow& window, const char* elementId);

// A named child that must exist. A missing one throws, which GoogleTest reports as a failure
// of the running test instead of a crash on a null pointer.
template <typename T>
T& child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no child named ") + name);
    return *found;
}

}  // namespace nakkas::test
