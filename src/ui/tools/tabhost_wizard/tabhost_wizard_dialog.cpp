#include "tabhost_wizard_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace nakkas {

TabHostWizardDialog::TabHostWizardDialog(TabHostWizard&, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("tabHostWizardDialog"));
    setWindowTitle(QStringLiteral("Tab Host Proje Tasarımı"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* cancel = new QPushButton(QStringLiteral("İptal &Et"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(cancel);
    layout->addLayout(row);
    resize(480, 320);
}

}  // namespace nakkas
