#include "ui_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTextEdit>

#include "app/ribbon_widget.h"

namespace nakkas::test {

// Polls every 10 ms for up to 5 s; a dialog left open is rejected after 3 s. The timers are
// members, so they stop when the handler goes out of scope.
ModalHandler::ModalHandler(std::function<void(QDialog&)> action) : m_action(std::move(action)) {
    m_watchdog.setSingleShot(true);
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++m_tries < 500) return;
            m_poll.stop();
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        m_poll.stop();
        m_handled = true;
        m_title = dialog->windowTitle();
        QObject::connect(&m_watchdog, &QTimer::timeout, [guard = QPointer<QDialog>(dialog)] {
            if (!guard || !guard->isVisible()) return;
            ADD_FAILURE() << "dialog \"" << guard->windowTitle().toStdString()
                          << "\" was left open";
            guard->reject();
        });
        m_watchdog.start(3000);
        m_action(*dialog);
    });
    m_poll.start(10);
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

QString openDialog(MainWindow& window, const char* elementId,
                   const std::function<void(QDialog&)>& action) {
    ModalHandler handler(action);
    clickRibbon(window, elementId);
    EXPECT_TRUE(handler.handled()) << elementId;
    return handler.title();
}

void typeText(QWidget& widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void pickRow(QObject& parent, const char* list, int row) {
    auto& l = child<QListWidget>(parent, list);
    QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.item(row)).center());
}

QStringList unnamedControls(QWidget& root) {
    QStringList unnamed;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        const bool interactive =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
            qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
        // Scroll bars and the parts Qt builds inside its own widgets are not the form's controls.
        if (!interactive || w->objectName().startsWith(QLatin1String("qt_")) ||
            w->inherits("QComboBoxListView"))
            continue;
        if (qobject_cast<QAbstractSlider*>(w) &&
            qobject_cast<QAbstractScrollArea*>(w->parentWidget() ? w->parentWidget()->parentWidget()
                                                                 : nullptr))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        const QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
        bool missing = name.isEmpty();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            missing = missing || (w->accessibleName().isEmpty() && name == combo->currentText());
        if (missing)
            unnamed << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                           w->objectName();
    }
    return unnamed;
}

}  // namespace nakkas::test
