#include "ui_support.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/ribbon_widget.h"

namespace nakkas::test {

namespace {

constexpr int kPollMs = 10;
constexpr int kMaxPolls = 500;
constexpr int kGraceMs = 3000;

}  // namespace

MessageAnswer RecordingQtServices::messageBox(const std::string& text, const std::string& caption,
                                              MessageIcon icon, MessageButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}

ModalHandler::ModalHandler(std::function<void(QDialog&)> action) : m_action(std::move(action)) {
    m_poll.setInterval(kPollMs);
    m_watchdog.setSingleShot(true);
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++m_tries >= kMaxPolls) {
                m_poll.stop();
                ADD_FAILURE() << "no modal dialog opened";
            }
            return;
        }
        m_poll.stop();
        m_handled = true;
        m_title = dialog->windowTitle();
        QPointer<QDialog> guard(dialog);
        QObject::connect(&m_watchdog, &QTimer::timeout, [guard] {
            if (!guard || !guard->isVisible()) return;
            ADD_FAILURE() << "dialog \"" << guard->windowTitle().toStdString()
                          << "\" was left open";
            guard->reject();
        });
        m_watchdog.start(kGraceMs);
        m_action(*dialog);
    });
    m_poll.start();
}

ModalHandler::~ModalHandler() {
    m_poll.stop();
    m_watchdog.stop();
}

void clickRibbon(MainWindow& window, const char* elementId) {
    RibbonWidget& ribbon = window.ribbonWidget();
    QToolButton* button = ribbon.button(elementId);
    if (!button) throw std::runtime_error(std::string("no ribbon button ") + elementId);
    auto& pages = child<QStackedWidget>(ribbon, "ribbonPages");
    for (int i = 0; i < pages.count(); ++i)
        if (pages.widget(i)->isAncestorOf(button)) ribbon.setCurrentCategory(i);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace nakkas::test
