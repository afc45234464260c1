#include "list_creator_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "form_widgets.h"
#include "qt_text.h"
#include "tools/list_wizard/list_creator.h"

namespace nakkas {

ListCreatorDialog::ListCreatorDialog(ListCreator& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("listCreatorDialog"));
    setWindowTitle(QStringLiteral("Liste Elemanı Oluşturucu"));

    m_entry = lineEdit("entry");
    m_entry->setAccessibleName(QStringLiteral("Eklenecek eleman"));
    m_entry->setToolTip(QStringLiteral("Listeye eklenecek eleman"));
    m_list = choiceList("items");
    m_list->setAccessibleName(QStringLiteral("Liste elemanları"));
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("countLabel"));

    const auto button = [](const QString& text, const char* objectName) {
        QPushButton* b = pushButton(text, objectName);
        b->setAutoDefault(false);
        return b;
    };
    auto* add = button(QStringLiteral("Ekle"), "addButton");
    add->setDefault(true);
    auto* remove = button(QStringLiteral("&Kaldır"), "removeButton");
    auto* clear = button(QStringLiteral("&Temizle"), "clearButton");
    auto* create = button(QStringLiteral("&Oluştur"), "createButton");
    auto* cancel = button(QStringLiteral("İptal &Et"), "cancelButton");
    remove->setToolTip(QStringLiteral("Seçili elemanı listeden kaldırır"));
    clear->setToolTip(QStringLiteral("Bütün elemanları kaldırır"));
    create->setToolTip(QStringLiteral("Listeyi koda ekler"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_entry, 0, 0);
    grid->addWidget(add, 0, 1);
    grid->addWidget(m_list, 1, 0, 4, 1);
    grid->addWidget(remove, 1, 1);
    grid->addWidget(clear, 2, 1);
    grid->addWidget(m_count, 5, 0);
    grid->addWidget(create, 3, 1);
    grid->addWidget(cancel, 4, 1, Qt::AlignTop);
    setTabOrder(m_entry, add);
    setTabOrder(add, m_list);
    setTabOrder(m_list, remove);
    setTabOrder(remove, clear);
    setTabOrder(clear, create);
    setTabOrder(create, cancel);

    connect(add, &QPushButton::clicked, this, [this] {
        m_model.entry = us(m_entry->text());
        m_model.add();
        redraw();
        m_entry->setFocus();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        // The selection, not the current row: an item selected through the accessibility
        // interface is selected without becoming current.
        const QList<QListWidgetItem*> chosen = m_list->selectedItems();
        m_model.selected = chosen.isEmpty()
                               ? std::nullopt
                               : std::optional<std::size_t>(size_t(m_list->row(chosen.front())));
        m_model.remove();
        redraw();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_model.clear();
        redraw();
    });
    connect(create, &QPushButton::clicked, this, [this] {
        if (m_model.confirm().ok()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    redraw();
    // Otherwise the dialog would start on its default button, "Ekle", and lose what is typed.
    m_entry->setFocus();
}

void ListCreatorDialog::redraw() {
    m_entry->setText(qs(m_model.entry));
    m_list->clear();
    for (const auto& item : m_model.items()) m_list->addItem(qs(item));
    m_count->setText(qs(m_model.countLabel()));
}

}  // namespace nakkas
