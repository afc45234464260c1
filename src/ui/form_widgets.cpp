#include "form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "icons.h"

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

QLineEdit* displayField(const char* objectName) {
    QLineEdit* e = lineEdit(objectName);
    e->setReadOnly(true);
    QPalette palette = e->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    e->setPalette(palette);
    return e;
}

QToolButton* iconPickerButton(const QString& toolTip) {
    auto* b = new QToolButton;
    b->setObjectName(QStringLiteral("iconButton"));
    b->setIcon(programIcon("imageview"));
    b->setAccessibleName(QStringLiteral("Simge dosyası seç"));
    b->setToolTip(toolTip);
    return b;
}

QPushButton* writeCodeButton(const QString& text, const char* objectName) {
    return pushButton(text, objectName, QStringLiteral("Kodu oluşturur ve kod paneline yazar"));
}

QPushButton* cancelButton(const QString& text) {
    QPushButton* b =
        pushButton(text, "cancelButton", QStringLiteral("Hiçbir şey yazmadan kapatır"));
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons, QWidget* left) {
    auto* row = new QHBoxLayout;
    if (left) row->addWidget(left);
    row->addStretch(1);
    for (QWidget* b : buttons) row->addWidget(b);
    return row;
}

QLabel* helpVideoLink(const char* objectName, const QString& toolTip, QObject* context,
                      std::function<void()> open) {
    QLabel* link = linkLabel(QStringLiteral("Konu Hakkında Video Yardım"), objectName);
    link->setToolTip(toolTip);
    QObject::connect(link, &QLabel::linkActivated, context, [open = std::move(open)] { open(); });
    return link;
}

void onPick(QListWidget* list, QObject* context, std::function<void(std::size_t)> pick,
            std::function<bool()> quiet) {
    const auto report = [list, pick, quiet](QListWidgetItem* item) {
        if (item && !(quiet && quiet())) pick(std::size_t(list->row(item)));
    };
    QObject::connect(list, &QListWidget::itemSelectionChanged, context, [list, report] {
        const auto selected = list->selectedItems();
        if (!selected.isEmpty()) report(selected.front());
    });
    QObject::connect(list, &QListWidget::itemClicked, context, report);
}

}  // namespace nakkas
