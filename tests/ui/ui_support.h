#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/defaults.h"
#include "app/form_view_widget.h"
#include "app/main_window.h"
#include "fake_services.h"
#include "qt_services.h"

namespace nakkas::test {

// The window's real services over a given settings file, except that message boxes are scripted
// and nothing is started on the desktop: a test must never block on a box nor launch a copy.
class RecordingQtServices : public QtServices, public MessageScript {
public:
    using QtServices::QtServices;
    int restarts = 0;

    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) override {
        return record(text, caption, icon, buttons);
    }
    void openDesktop(const std::string&) override {}
    bool startNewInstance() override {
        ++restarts;
        return true;
    }
};

// Acts on the next modal dialog once it is up: dialogs open with exec(), so the action is queued
// before the command that opens one. A dialog the action leaves open is rejected after a grace
// period and reported, so a fault cannot hang the suite.
class ModalHandler {
public:
    explicit ModalHandler(std::function<void(QDialog&)> action);

    bool handled() const { return m_handled; }        // the action has run on a dialog
    const QString& title() const { return m_title; }  // of that dialog

private:
    std::function<void(QDialog&)> m_action;
    QTimer m_poll;
    QTimer m_watchdog;
    int m_tries = 0;
    bool m_handled = false;
    QString m_title;
};

// A main window over scripted services and the factory defaults, shown unless told otherwise.
struct FakeWindow {
    explicit FakeWindow(bool shown = true) {
        if (shown) window.show();
    }
    FakeServices services;
    Defaults defaults = Defaults::factory();
    MainWindow window{services, defaults};

    FormView& model() { return window.formView().model(); }
    std::string panel() { return model().panel().text(); }
};

// Clicks a ribbon button with the mouse after opening the category that holds it, as a user would.
void clickRibbon(MainWindow& window, const char* elementId);

// Clicks the ribbon button and runs the action on the modal dialog it opens. Gives the dialog's
// title; a failure is reported when no dialog opened.
QString openDialog(MainWindow& window, const char* elementId,
                   const std::function<void(QDialog&)>& action);

// A named child that must exist. A missing one throws, which GoogleTest reports as a failure
// of the running test instead of a crash on a null pointer.
template <typename T>
T& child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no child named ") + name);
    return *found;
}

// Clicks a named child (a push button unless told otherwise) with the mouse.
template <typename T = QPushButton>
void click(QObject& parent, const char* name) {
    QTest::mouseClick(&child<T>(parent, name), Qt::LeftButton);
}

inline QString field(QObject& parent, const char* name) {
    return child<QLineEdit>(parent, name).text();
}

// Types a text key by key into the widget; unlike QTest::keyClicks it takes Turkish letters.
void typeText(QWidget& widget, const QString& text);

// Replaces the whole text of an editor with the keyboard, as a user would.
template <typename Edit>
void retype(Edit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    typeText(edit, text);
}
inline void retype(QObject& parent, const char* name, const QString& text) {
    retype(child<QLineEdit>(parent, name), text);
}

// Clicks a row of a named list with the mouse.
void pickRow(QObject& parent, const char* list, int row);

// Every interactive control under root (buttons, fields, lists, drop-downs, sliders) whose
// accessible name is empty, as "Class objectName". A drop-down that is named only by its current
// entry counts as unnamed, since a screen reader would read the entry, not what it is for.
QStringList unnamedControls(QWidget& root);

}  // namespace nakkas::test
