#include "dialog_designer_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "definer/code_panel.h"
#include "form_widgets.h"
#include "icons.h"
#include "qt_text.h"
#include "tools/dialog_designer/dialog_designer.h"

namespace nakkas {

namespace {

using C = DesignerControl;

// A picture button with its short caption beneath; the accessible name says what it does.
QToolButton* pictureButton(const QString& caption, const QString& action, const char* icon,
                           const char* objectName) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(objectName));
    b->setText(caption);
    b->setIcon(programIcon(icon));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAccessibleName(action);
    b->setToolTip(action);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

}  // namespace

DialogDesignerDialog::DialogDesignerDialog(DialogDesigner& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("DialogTasarimi"));
    setWindowTitle(QStringLiteral("Dialog Tasarımı"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTypeBox());
    layout->addWidget(buildParamBox());
    layout->addLayout(buildButtonRow());
    setMinimumWidth(440);

    QWidget* order[] = {m_variable, m_activity,  m_title,  m_message, m_button1, m_button2,
                        m_icon,     m_toastFlag, m_create, m_cancel,  m_preview, m_clear};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    // Set once for the mode.
    const std::pair<QWidget*, DesignerControl> controls[] = {{m_variable, C::VariableName},
                                                             {m_activity, C::ActivityName},
                                                             {m_title, C::Title},
                                                             {m_message, C::Message},
                                                             {m_button1, C::Button1},
                                                             {m_button2, C::Button2},
                                                             {m_icon, C::Icon},
                                                             {m_toastFlag, C::ToastFlag},
                                                             {m_preview, C::Preview}};
    for (const auto& [widget, control] : controls) widget->setEnabled(m_model.enabled(control));

    connectEvents();
    redraw();
    // The first field the mode lets the user type in.
    for (QWidget* w : order)
        if (w->isEnabled()) {
            w->setFocus();
            break;
        }
}

QGroupBox* DialogDesignerDialog::buildTypeBox() {
    m_type = comboBox("dialogType");
    for (auto entry : DialogDesigner::kTypeEntries) m_type->addItem(qs(entry));
    m_type->setCurrentIndex(int(m_model.typeEntry()));
    m_type->setEnabled(false);  // the ribbon command chose the mode
    m_preview = pictureButton(QStringLiteral("Taklit Et"), QStringLiteral("Mesaj Taklidi Yap"),
                              "dialog-yesno", "previewButton");
    m_clear = pictureButton(QStringLiteral("Temizle"), QStringLiteral("Tümünü Temizle"), "clear",
                            "clearAllButton");
    auto* box = new QGroupBox(QStringLiteral("Dialog Tasarımı"));
    auto* row = new QHBoxLayout(box);
    row->addWidget(buddyLabel(QStringLiteral("Dialog Tipi:"), m_type));
    row->addWidget(m_type, 1);
    row->addWidget(m_preview);
    row->addWidget(m_clear);
    return box;
}

QGroupBox* DialogDesignerDialog::buildParamBox() {
    m_variable = lineEdit("variableName");
    m_activity = lineEdit("activityName");
    m_title = lineEdit("title");
    m_message = new QPlainTextEdit;
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setTabChangesFocus(true);  // Enter starts a new line; Tab moves on
    m_message->setFixedHeight(72);
    m_button1 = lineEdit("button1");
    m_button2 = lineEdit("button2");
    m_icon = lineEdit("icon");
    m_toastFlag = choiceList("toastFlag");
    for (auto flag : DialogDesigner::kToastFlags) m_toastFlag->addItem(qs(flag));
    m_toastFlag->setFixedHeight(48);

    m_variable->setToolTip(QStringLiteral("Dialogun ya da kurucusunun Java değişken adı"));
    m_activity->setToolTip(QStringLiteral("Bağlam olarak .this ile kullanılan Activity"));
    m_title->setToolTip(
        QStringLiteral("Başlık; Yükleniyor ve Tost Mesajı için gösterilen mesajın kendisi"));
    m_message->setToolTip(QStringLiteral("Bekleyin ve Evet-Hayır dialoglarının mesajı"));
    m_button1->setToolTip(QStringLiteral("Olumlu düğmenin yazısı"));
    m_button2->setToolTip(QStringLiteral("Olumsuz düğmenin yazısı"));
    m_icon->setToolTip(QStringLiteral("Dialogun simgesi, örneğin R.drawable.ic_launcher"));
    m_toastFlag->setToolTip(QStringLiteral("Tost mesajının ekranda kalma süresi"));

    auto* box = new QGroupBox(QStringLiteral("Genel Parametreler"));
    auto* form = new QFormLayout(box);
    const auto row = [form](const QString& label, QWidget* w) {
        form->addRow(buddyLabel(label, w), w);
    };
    row(QStringLiteral("&Değişken Adı:"), m_variable);
    row(QStringLiteral("&Activity Adı:"), m_activity);
    row(QStringLiteral("&Başlık Yazısı:"), m_title);
    row(QStringLiteral("&Mesaj içeriği:"), m_message);
    row(QStringLiteral("&1.Dugme:"), m_button1);
    row(QStringLiteral("&2.Dugme:"), m_button2);
    row(QStringLiteral("&Simge:"), m_icon);
    row(QStringLiteral("&Toast Bayrağı:"), m_toastFlag);
    return box;
}

QLayout* DialogDesignerDialog::buildButtonRow() {
    m_create = writeCodeButton(QStringLiteral("&Oluştur"), "createButton");
    m_create->setDefault(true);
    m_cancel = cancelButton(QStringLiteral("İptal &Et"));
    return buttonRow({m_create, m_cancel});
}

void DialogDesignerDialog::connectEvents() {
    const auto bind = [this](QLineEdit* edit, std::string DialogFields::*member) {
        connect(edit, &QLineEdit::textChanged, this, [this, member](const QString& text) {
            if (!m_redrawing) m_model.fields.*member = us(text);
        });
    };
    bind(m_variable, &DialogFields::variableName);
    bind(m_activity, &DialogFields::activityName);
    bind(m_title, &DialogFields::title);
    bind(m_button1, &DialogFields::button1);
    bind(m_button2, &DialogFields::button2);
    bind(m_icon, &DialogFields::icon);
    connect(m_message, &QPlainTextEdit::textChanged, this, [this] {
        // A line typed in the box is a line break of the generated Java string, so it takes the
        // code panel's CR LF.
        if (!m_redrawing) m_model.fields.message = toCrLf(us(m_message->toPlainText()));
    });
    onPick(m_toastFlag, this, [this](std::size_t entry) { m_model.selectToastFlag(entry); });
    connect(m_preview, &QToolButton::clicked, this, [this] { m_model.preview(); });
    connect(m_clear, &QToolButton::clicked, this, [this] {
        m_model.clearAll();
        redraw();
    });
    connect(m_create, &QPushButton::clicked, this, [this] {
        if (m_model.create().ok()) accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DialogDesignerDialog::redraw() {
    m_redrawing = true;
    const DialogFields& f = m_model.fields;
    m_variable->setText(qs(f.variableName));
    m_activity->setText(qs(f.activityName));
    m_title->setText(qs(f.title));
    // The box shows LF line breaks; the generated code and the preview use CR LF.
    const QString shown = qs(toLf(f.message));
    if (m_message->toPlainText() != shown) m_message->setPlainText(shown);
    m_button1->setText(qs(f.button1));
    m_button2->setText(qs(f.button2));
    m_icon->setText(qs(f.icon));
    m_redrawing = false;
}

}  // namespace nakkas
