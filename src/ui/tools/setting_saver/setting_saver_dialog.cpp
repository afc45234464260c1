#include "setting_saver_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "form_widgets.h"
#include "icons.h"
#include "qt_text.h"
#include "tools/setting_saver/setting_code.h"
#include "tools/setting_saver/setting_saver.h"

namespace nakkas {

namespace {

template <typename Rows>
QListWidget* choiceList(const Rows& rows, const char* objectName) {
    QListWidget* list = nakkas::choiceList(objectName);
    for (const auto& row : rows) list->addItem(qs(row.entry));
    list->setFixedHeight(list->sizeHintForRow(0) * int(rows.size()) + 2 * list->frameWidth());
    return list;
}

// A mirror of the list above it: it only shows what the pick means.
QLineEdit* mirror(const char* objectName, const QString& accessibleName) {
    auto* e = lineEdit(objectName);
    e->setEnabled(false);
    e->setAccessibleName(accessibleName);
    return e;
}

}  // namespace

SettingSaverDialog::SettingSaverDialog(SettingSaver& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("SistemAyar"));
    setWindowTitle(QStringLiteral("Sistem Ayar Kaydedici"));

    auto* variable = lineEdit("variableName");
    auto* key = lineEdit("key");
    auto* file = lineEdit("fileName");
    auto* types = choiceList(settingDataTypes(), "dataType");
    m_javaType = mirror("javaType", QStringLiteral("Java veri türü"));
    auto* modes = choiceList(settingAccessModes(), "accessMode");
    m_storageMode = mirror("storageMode", QStringLiteral("Kayıt şekli sabiti"));
    auto* write = checkBox(QStringLiteral("Kayıt &Yazma kodunu oluştur"), "writeBlock");
    auto* read = checkBox(QStringLiteral("Kayıt O&kuma kodunu oluştur"), "readBlock");
    auto* help =
        helpVideoLink("helpLink", QStringLiteral("Bu aracın yardım dersini tarayıcıda açar"), this,
                      [this] { m_model.openHelp(); });

    variable->setToolTip(QStringLiteral("Değeri tutan Java değişkeni"));
    key->setToolTip(QStringLiteral("Değerin ayar dosyasındaki anahtarı"));
    file->setToolTip(QStringLiteral("Ayar dosyasının adı"));
    types->setToolTip(QStringLiteral("Saklanacak değerin veri türü"));
    modes->setToolTip(QStringLiteral("Ayar dosyasına kimlerin erişebileceği"));
    write->setToolTip(QStringLiteral("Değeri kaydeden satırları ekler"));
    read->setToolTip(QStringLiteral("Değeri metne çeviren satırı ekler"));

    auto* form = new QFormLayout;
    const auto row = [form](const QString& label, QWidget* w) {
        form->addRow(buddyLabel(label, w), w);
    };
    row(QStringLiteral("&Değişken Adı:"), variable);
    row(QStringLiteral("Kayıt &Anahtarı:"), key);
    row(QStringLiteral("Kayıt D&osya Adı:"), file);
    row(QStringLiteral("&Veri Türü:"), types);
    form->addRow(QString(), m_javaType);
    row(QStringLiteral("Kayıt &Şekli:"), modes);
    form->addRow(QString(), m_storageMode);
    form->addRow(QString(), write);
    form->addRow(QString(), read);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(programIcon("savesetting").pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(form, 1);

    auto* ok = writeCodeButton(QStringLiteral("&Tamam"), "okButton");
    auto* cancel = cancelButton(QStringLiteral("İptal"));
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttonRow({ok, cancel}, help));

    QWidget* order[] = {variable, key, file, types, modes, write, read, ok, cancel, help};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    variable->setText(qs(m_model.variableName));
    key->setText(qs(m_model.key));
    file->setText(qs(m_model.fileName));
    write->setChecked(m_model.writeBlock);
    read->setChecked(m_model.readBlock);
    connect(variable, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_model.variableName = us(t); });
    connect(key, &QLineEdit::textChanged, this, [this](const QString& t) { m_model.key = us(t); });
    connect(file, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_model.fileName = us(t); });
    connect(write, &QCheckBox::toggled, this, [this](bool on) { m_model.writeBlock = on; });
    connect(read, &QCheckBox::toggled, this, [this](bool on) { m_model.readBlock = on; });
    onPick(types, this, [this](std::size_t entry) {
        m_model.selectDataType(entry);
        redraw();
    });
    onPick(modes, this, [this](std::size_t entry) {
        m_model.selectAccessMode(entry);
        redraw();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_model.confirm().ok()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    redraw();
    variable->setFocus();
}

void SettingSaverDialog::redraw() {
    m_javaType->setText(qs(m_model.javaTypeField()));
    m_storageMode->setText(qs(m_model.storageModeField()));
}

}  // namespace nakkas
