#include "program_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "form_widgets.h"
#include "qt_text.h"
#include "tools/sqlite_tool/database_helper.h"

namespace nakkas {

ProgramSettingsDialog::ProgramSettingsDialog(ProgramSettings& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("programSettingsDialog"));
    setWindowTitle(QStringLiteral("Program Ayarları - Program Varsayılanları"));

    m_paket = lineEdit("paketAdi");
    m_activity = lineEdit("activityAdi");
    m_simge = lineEdit("simgeAdi");
    m_veritabani = lineEdit("veritabani");
    m_tablo = lineEdit("tabloAdi");
    for (QLineEdit* e : {m_paket, m_activity, m_simge, m_veritabani, m_tablo})
        e->setMinimumWidth(260);
    m_version = comboBox("vtVersiyon");
    for (auto v : kDatabaseVersions) m_version->addItem(qs(v));
    m_clearPanel = checkBox(QStringLiteral("Başlangıçta Kod &Panelini Temizle"), "kodPaneli");

    auto* form = new QFormLayout;
    const auto row = [form](const QString& label, QWidget* w) {
        form->addRow(buddyLabel(label, w), w);
    };
    row(QStringLiteral("Varsayılan &Paket Adı:"), m_paket);
    row(QStringLiteral("Varsayılan &Activity Adı:"), m_activity);
    row(QStringLiteral("Varsayılan &Simge Adı:"), m_simge);
    row(QStringLiteral("Varsayılan &Veritabanı Adı:"), m_veritabani);
    row(QStringLiteral("Varsayılan Veritabanı &Tablo Adı:"), m_tablo);
    row(QStringLiteral("Varsayılan Veritabanı Sü&rümü:"), m_version);
    form->addRow(QString(), m_clearPanel);

    auto* save = pushButton(
        QStringLiteral("&Kaydet"), "saveButton",
        QStringLiteral("Ayarları kaydeder; program yeniden başlatıldığında geçerli olur"));
    auto* cancel = pushButton(QStringLiteral("İptal &Et"), "cancelButton");
    auto* factory = pushButton(QStringLiteral("Varsayılan A&yarlar"), "factoryButton",
                               QStringLiteral("Fabrika ayarlarını geri yükler"));
    save->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(factory);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, [this] {
        collect();
        finish(m_model.save());
    });
    connect(factory, &QPushButton::clicked, this, [this] {
        collect();
        finish(m_model.restoreFactory());
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    redraw();
}

void ProgramSettingsDialog::collect() {
    m_model.paketAdi = us(m_paket->text());
    m_model.activityAdi = us(m_activity->text());
    m_model.simgeAdi = us(m_simge->text());
    m_model.veritabani = us(m_veritabani->text());
    m_model.tabloAdi = us(m_tablo->text());
    m_model.selectVersion(m_version->currentIndex());
    m_model.clearPanelAtStart = m_clearPanel->isChecked();
}

void ProgramSettingsDialog::redraw() {
    m_paket->setText(qs(m_model.paketAdi));
    m_activity->setText(qs(m_model.activityAdi));
    m_simge->setText(qs(m_model.simgeAdi));
    m_veritabani->setText(qs(m_model.veritabani));
    m_tablo->setText(qs(m_model.tabloAdi));
    m_version->setCurrentIndex(m_model.versionIndex);
    m_clearPanel->setChecked(m_model.clearPanelAtStart);
}

void ProgramSettingsDialog::finish(const Outcome& outcome) {
    redraw();
    if (outcome.ok()) accept();
}

}  // namespace nakkas
