#include "form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace nakkas {

QString nameFromLabel(const QString& label) {
    QString name = label;
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    buddy->setAccessibleName(nameFromLabel(text));
    return l;
}

QLineEdit* lineEdit(const char* objectName) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(objectName));
    return e;
}

QCheckBox* checkBox(const QString& text, const char* objectName) {
    auto* c = new QCheckBox(text);
    c->setObjectName(QString::fromLatin1(objectName));
    c->setAccessibleName(nameFromLabel(text));
    return c;
}

QPushButton* pushButton(const QString& text, const char* objectName, const QString& toolTip) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAccessibleName(nameFromLabel(text));
    if (!toolTip.isEmpty()) b->setToolTip(toolTip);
    return b;
}

QComboBox* comboBox(const char* objectName) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(objectName));
    return c;
}

QListWidget* choiceList(const char* objectName) {
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(objectName));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLabel* linkLabel(const QString& text, const char* objectName) {
    auto* l = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text));
    l->setObjectName(QString::fromLatin1(objectName));
    l->setAccessibleName(text);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setFocusPolicy(Qt::TabFocus);
    return l;
}

}  // namespace nakkas
