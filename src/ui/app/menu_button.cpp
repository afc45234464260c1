#include "menu_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace nakkas {

namespace {

class MenuButtonAccessible : public QAccessibleWidget {
public:
    explicit MenuButtonAccessible(QToolButton* button)
        : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        s.pressed = button()->isDown();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = button()->text().remove(QLatin1Char('&'));
        return s;
    }

    QStringList actionNames() const override {
        if (!widget()->isEnabled()) return {};
        return {showMenuAction(), pressAction()};
    }

    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) return;
        // The menu runs its own event loop; the assistive tool's call returns first.
        if (name == showMenuAction() || name == pressAction())
            QTimer::singleShot(0, button(), &QToolButton::showMenu);
    }

private:
    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }
};

QAccessibleInterface* menuButtonInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(MenuButton::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new MenuButtonAccessible(static_cast<QToolButton*>(object));
    return nullptr;
}

}  // namespace

MenuButton::MenuButton(QWidget* parent) : QToolButton(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(menuButtonInterface);
        return true;
    }();
    (void)installed;
    setPopupMode(QToolButton::InstantPopup);
}

}  // namespace nakkas
