#include "menu_designer_dialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "form_widgets.h"
#include "qt_text.h"
#include "tools/menu_designer/menu_designer.h"

namespace nakkas {

namespace {

// Sets a field only when it differs, so redrawing while the user types keeps the cursor.
void showText(QLineEdit* field, const std::string& text) {
    const QString value = qs(text);
    if (field->text() != value) field->setText(value);
}

}  // namespace

MenuDesignerDialog::MenuDesignerDialog(MenuDesigner& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("menuDesignerDialog"));
    setWindowTitle(qs(MenuDesigner::kTitle));

    m_items = choiceList("itemList");
    m_items->setAccessibleName(QStringLiteral("Menü maddeleri"));
    m_items->setToolTip(QStringLiteral("Düzenlenecek menü maddesini seçin"));
    m_items->setSortingEnabled(true);
    auto* warning = new QLabel(qs(MenuDesigner::kWarning));
    warning->setObjectName(QStringLiteral("warningLabel"));

    auto* countRow = buildCountRow();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_items, 1);
    middle->addLayout(buildFields(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(countRow);
    layout->addWidget(warning);
    layout->addLayout(middle);
    layout->addLayout(buildButtonRow());

    QWidget* order[] = {m_count,    m_listButton, m_items, m_title,
                        m_iconName, m_iconButton, m_ok,    m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connectEvents();
    redraw();
    m_count->setFocus();
}

QLayout* MenuDesignerDialog::buildCountRow() {
    m_count = lineEdit("countEdit");
    m_count->setText(qs(m_model.countText));
    m_count->setMaximumWidth(80);
    m_count->setToolTip(QStringLiteral("Tasarlanacak menü maddesi sayısı (1 ile 6 arası)"));
    m_listButton = pushButton(QStringLiteral("&Listele"), "listButton",
                              QStringLiteral("Menü maddelerini listeler; sayı sonra değişmez"));
    m_listButton->setAutoDefault(false);
    auto* row = new QGridLayout;
    row->addWidget(buddyLabel(QStringLiteral("&Toplam menu sayısı:"), m_count), 0, 0);
    row->addWidget(m_count, 0, 1);
    row->addWidget(m_listButton, 0, 2);
    row->addWidget(new QLabel(QStringLiteral("Max 1-6")), 1, 1);
    row->setColumnStretch(3, 1);  // a single digit needs no wide box
    return row;
}

QLayout* MenuDesignerDialog::buildFields() {
    m_menuId = lineEdit("menuIdEdit");
    m_menuId->setEnabled(false);
    m_title = lineEdit("titleEdit");
    m_title->setToolTip(QStringLiteral("Menü maddesinin görünen ismi"));
    m_iconName = lineEdit("iconNameEdit");
    m_iconName->setToolTip(QStringLiteral("Menü maddesinin simge kaynağının adı"));
    m_iconButton =
        iconPickerButton(QStringLiteral("Menü maddesi için bir PNG simge dosyası seçer"));
    auto* fields = new QGridLayout;
    fields->addWidget(buddyLabel(QStringLiteral("Menu ID:"), m_menuId), 0, 0);
    fields->addWidget(m_menuId, 0, 1, 1, 2);
    fields->addWidget(buddyLabel(QStringLiteral("Menü İ&smi:"), m_title), 1, 0);
    fields->addWidget(m_title, 1, 1, 1, 2);
    fields->addWidget(buddyLabel(QStringLiteral("Menü Si&mgesi:"), m_iconName), 2, 0);
    fields->addWidget(m_iconName, 2, 1);
    fields->addWidget(m_iconButton, 2, 2);
    fields->setRowStretch(3, 1);
    return fields;
}

QLayout* MenuDesignerDialog::buildButtonRow() {
    m_ok = pushButton(qs(m_model.okCaption()), "okButton");
    m_ok->setDefault(true);
    m_cancel = cancelButton(QStringLiteral("İptal"));
    return buttonRow({m_ok, m_cancel});
}

void MenuDesignerDialog::connectEvents() {
    connect(m_count, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.countText = us(text); });
    connect(m_listButton, &QPushButton::clicked, this, [this] {
        m_model.countText = us(m_count->text());
        m_model.list();
        redraw();
        if (m_model.okEnabled()) m_items->setFocus();
    });
    connect(m_items, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item) return;
        // The list sorts its labels, so the row is not trusted to be the record's position.
        const auto& entries = m_model.entries();
        const auto it = std::find(entries.begin(), entries.end(), us(item->text()));
        if (it == entries.end()) return;
        m_model.choose(int(it - entries.begin()));
        redraw();
    });
    connect(m_title, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.editTitle(us(text)); });
    connect(m_iconName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.editIconName(us(text)); });
    connect(m_iconButton, &QToolButton::clicked, this, [this] {
        m_model.pickIcon();
        redraw();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_model.confirm().ok()) accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MenuDesignerDialog::reject() {
    m_model.cancel();
    QDialog::reject();
}

void MenuDesignerDialog::redraw() {
    const bool counting = m_model.countEnabled();
    m_count->setEnabled(counting);
    m_listButton->setEnabled(counting);
    if (m_items->count() != int(m_model.entries().size())) {
        const QSignalBlocker block(m_items);
        m_items->clear();
        for (const auto& entry : m_model.entries()) m_items->addItem(qs(entry));
    }
    m_title->setEnabled(m_model.titleEnabled());
    m_iconName->setEnabled(m_model.iconEnabled());
    m_iconButton->setEnabled(m_model.iconEnabled());
    m_ok->setEnabled(m_model.okEnabled());
    // The model's record is the truth; a field echoes it back through its change signal.
    showText(m_menuId, m_model.menuIdText());
    showText(m_title, m_model.titleText());
    showText(m_iconName, m_model.iconNameText());
}

}  // namespace nakkas
