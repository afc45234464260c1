#include "form_view_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "definer/code_editor.h"
#include "form_widgets.h"
#include "icons.h"
#include "qt_text.h"

namespace nakkas {

FormViewWidget::FormViewWidget(Services& services, DialogHost& host, Defaults& defaults,
                               QWidget* parent)
    : QWidget(parent), m_services(services) {
    setObjectName(QStringLiteral("formView"));
    m_editor = new CodeEditor;
    m_editor->setObjectName(QStringLiteral("codePanel"));
    m_editor->setAccessibleName(QStringLiteral("Kod Paneli"));
    m_panelText = std::make_unique<EditorPanelText>(*m_editor);
    m_model = std::make_unique<FormView>(services, host, defaults, *m_panelText);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(buildDefinerForm());
    layout->addWidget(buildPanelTools());
    layout->addWidget(m_editor, 1);

    // The small card button in the bottom right corner.
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* card = new QToolButton;
    card->setObjectName(QStringLiteral("cardButton"));
    card->setIcon(programIcon("card"));
    card->setIconSize(QSize(14, 14));
    card->setAutoRaise(true);
    card->setAccessibleName(QStringLiteral("Kartvizit"));
    card->setToolTip(QStringLiteral("Kartvizit"));
    connect(card, &QToolButton::clicked, this, &FormViewWidget::cardRequested);
    bottom->addWidget(card);
    layout->addLayout(bottom);

    // Edit keys reach the code panel also when a button has the focus; the text boxes take
    // their own keys first.
    const std::pair<QKeySequence::StandardKey, void (QPlainTextEdit::*)()> keys[] = {
        {QKeySequence::Cut, &QPlainTextEdit::cut},
        {QKeySequence::Copy, &QPlainTextEdit::copy},
        {QKeySequence::Paste, &QPlainTextEdit::paste},
    };
    for (const auto& [key, slot] : keys) {
        auto* action = new QAction(this);
        action->setShortcuts(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, m_editor, slot);
        addAction(action);
    }

    redraw();
}

FormViewWidget::~FormViewWidget() = default;

QWidget* FormViewWidget::buildDefinerForm() {
    // A plain styled frame: the group box frame of some styles is an image, and reading it would
    // load every image-format plugin before the first paint.
    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("definerForm"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    m_access = comboBox("accessModifier");
    m_access->setToolTip(QStringLiteral("Erişim belirteci (--Boş-- ile hiçbiri)"));
    for (auto e : DefinerForm::kAccessEntries) m_access->addItem(qs(e));
    m_variable = lineEdit("variableName");
    m_id = lineEdit("idName");
    m_activity = lineEdit("activityName");

    // A drop-down is read out by its current entry unless a label names it.
    auto* accessLabel = buddyLabel(QStringLiteral("&Erişim:"), m_access);
    m_access->setAccessibleName(QStringLiteral("Erişim Belirteci"));
    auto* varRow = new QHBoxLayout;
    varRow->addWidget(accessLabel);
    varRow->addWidget(m_access);
    varRow->addWidget(m_variable, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Nesne &Değişken Adı:"), m_variable), 0, 0);
    grid->addLayout(varRow, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Nesne &Ismi (R.id.):"), m_id), 1, 0);
    grid->addWidget(m_id, 1, 1);

    m_sameAsId = checkBox(QStringLiteral("Nesne ismi ile aynı olsun"), "sameAsId");
    m_advance = checkBox(QStringLiteral("Nesne sayısını  1 arttır"), "advanceCounter");
    m_listener = checkBox(QStringLiteral("Olay Dinleyiciyi Oluştur"), "writeListener");
    m_declare = checkBox(QStringLiteral("Nesneyi Tanımla"), "writeDeclaration");
    auto* checks = new QGridLayout;
    checks->addWidget(m_sameAsId, 0, 0);
    checks->addWidget(m_advance, 1, 0);
    checks->addWidget(m_listener, 0, 1);
    checks->addWidget(m_declare, 1, 1);
    grid->addLayout(checks, 0, 2, 2, 1);

    grid->addWidget(buddyLabel(QStringLiteral("&Activity Adı:"), m_activity), 2, 0);
    grid->addWidget(m_activity, 2, 1);
    auto* hint = new QLabel(QStringLiteral(
        "Bilgi: Eclipse ile oluşturduğunuz projenin Activity adı olmalı. Örneğin: MainActivity"));
    hint->setObjectName(QStringLiteral("activityHint"));
    hint->setWordWrap(true);
    // Set apart by colour, not by a smaller face: every extra face costs start-up time.
    QPalette muted = hint->palette();
    muted.setColor(QPalette::WindowText, muted.color(QPalette::Disabled, QPalette::WindowText));
    hint->setPalette(muted);
    grid->addWidget(hint, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    DefinerForm& form = m_model->definer();
    connect(m_access, &QComboBox::currentIndexChanged, this, [this, &form](int i) {
        if (!m_redrawing && i >= 0) form.selectAccess(size_t(i));
    });
    // Whatever changed the text (keys, a paste, an input method, the accessibility interface),
    // the generator reads it as it stands.
    connect(m_variable, &QLineEdit::textChanged, this, [this, &form](const QString& t) {
        if (!m_redrawing) form.variableName = us(t);
    });
    connect(m_id, &QLineEdit::textChanged, this, [this, &form](const QString& t) {
        if (!m_redrawing) form.idName = us(t);
    });
    connect(m_activity, &QLineEdit::textChanged, this, [this, &form](const QString& t) {
        if (!m_redrawing) form.activityName = us(t);
    });
    const auto bindBox = [this](QCheckBox* box, bool& flag) {
        connect(box, &QCheckBox::toggled, this, [this, &flag](bool on) {
            if (!m_redrawing) flag = on;
        });
    };
    bindBox(m_sameAsId, form.sameAsId);
    bindBox(m_advance, form.advance);
    bindBox(m_listener, form.writeListener);
    bindBox(m_declare, form.writeDeclaration);

    setTabOrder(m_access, m_variable);
    setTabOrder(m_variable, m_id);
    setTabOrder(m_id, m_activity);
    setTabOrder(m_activity, m_sameAsId);
    setTabOrder(m_sameAsId, m_advance);
    setTabOrder(m_advance, m_listener);
    setTabOrder(m_listener, m_declare);
    return box;
}

QWidget* FormViewWidget::buildPanelTools() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    struct Tool {
        const char* objectName;
        const char* icon;
        QString name;
        QString tip;
    };
    const Tool tools[] = {
        {"cutButton", "cut", QStringLiteral("Kes"), QStringLiteral("Kes (Ctrl+X)")},
        {"copyButton", "copy", QStringLiteral("Kopyala"), QStringLiteral("Kopyala (Ctrl+C)")},
        {"copyAllButton", "copyall", QStringLiteral("Tümünü Kopyala"),
         QStringLiteral("Kod panelindeki bütün yazıyı kopyalar")},
        {"pasteButton", "paste", QStringLiteral("Yapıştır"), QStringLiteral("Yapıştır (Ctrl+V)")},
        {"clearButton", "clear", QStringLiteral("Temizle"),
         QStringLiteral("Kod panelini temizler")},
    };
    QToolButton* buttons[5] = {};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(tools[i].objectName));
        b->setIcon(programIcon(tools[i].icon));
        b->setIconSize(QSize(22, 22));
        b->setAutoRaise(true);
        b->setAccessibleName(tools[i].name);
        b->setToolTip(tools[i].tip);
        b->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(b);
        buttons[i] = b;
    }
    connect(buttons[0], &QToolButton::clicked, m_editor, &QPlainTextEdit::cut);
    connect(buttons[1], &QToolButton::clicked, m_editor, &QPlainTextEdit::copy);
    connect(buttons[2], &QToolButton::clicked, this, [this] { m_model->copyAll(); });
    connect(buttons[3], &QToolButton::clicked, m_editor, &QPlainTextEdit::paste);
    connect(buttons[4], &QToolButton::clicked, this, [this] { m_model->clearPanel(); });

    layout->addSpacing(16);
    layout->addWidget(buildSlotRow());
    layout->addStretch(1);
    return row;
}

QWidget* FormViewWidget::buildSlotRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_slots = comboBox("slotSelector");
    for (int i = 0; i < CodePanel::kSlotCount; ++i) m_slots->addItem(qs(CodePanel::slotLabel(i)));
    m_slots->setToolTip(QStringLiteral("Kod alanı değiştiğinde içeriği kod panelinde gösterilir"));
    layout->addWidget(buddyLabel(QStringLiteral("Kod &Paneli:"), m_slots));
    layout->addWidget(m_slots);

    CodePanel& panel = m_model->panel();
    connect(m_slots, &QComboBox::currentIndexChanged, this, [this, &panel](int i) {
        if (m_redrawing || i < 0) return;
        panel.selectSlot(i);
        redraw();
    });

    struct SlotButton {
        const char* objectName;
        QString text;
        QString tip;
        void (CodePanel::*action)();
    };
    const SlotButton buttons[] = {
        {"storeButton", QStringLiteral("Sakla"),
         QStringLiteral("Kod panelini seçili kod alanına saklar"), &CodePanel::store},
        {"showButton", QStringLiteral("Göster"),
         QStringLiteral("Seçili kod alanını kod panelinde gösterir"), &CodePanel::show},
        {"eraseButton", QStringLiteral("Sil"), QStringLiteral("Seçili kod alanını boşaltır"),
         &CodePanel::erase},
        {"eraseAllButton", QStringLiteral("Hepsini Sil"),
         QStringLiteral("Bütün kod alanlarını boşaltır"), &CodePanel::eraseAll},
        {"previousButton", QStringLiteral("<"), QStringLiteral("Önceki kod alanı"),
         &CodePanel::previous},
        {"nextButton", QStringLiteral(">"), QStringLiteral("Sonraki kod alanı"), &CodePanel::next},
    };
    for (const auto& sb : buttons) {
        QPushButton* b = pushButton(sb.text, sb.objectName, sb.tip);
        b->setAutoDefault(false);
        // An arrow says nothing when read out; its tooltip does.
        if (sb.text.size() == 1) {
            b->setAccessibleName(sb.tip);
            b->setFixedWidth(28);
        }
        const auto action = sb.action;
        connect(b, &QPushButton::clicked, this, [this, &panel, action] {
            (panel.*action)();
            redraw();
        });
        layout->addWidget(b);
    }
    return row;
}

void FormViewWidget::run(const Command& command) {
    m_model->run(command);
    redraw();
}

void FormViewWidget::redraw() {
    m_redrawing = true;
    const DefinerForm& form = m_model->definer();
    m_access->setCurrentIndex(int(form.accessIndex()));
    if (m_variable->text() != qs(form.variableName)) m_variable->setText(qs(form.variableName));
    if (m_id->text() != qs(form.idName)) m_id->setText(qs(form.idName));
    if (m_activity->text() != qs(form.activityName)) m_activity->setText(qs(form.activityName));
    m_sameAsId->setChecked(form.sameAsId);
    m_advance->setChecked(form.advance);
    m_listener->setChecked(form.writeListener);
    m_declare->setChecked(form.writeDeclaration);
    m_slots->setCurrentIndex(m_model->panel().selectedSlot());
    m_redrawing = false;
}

void FormViewWidget::contextMenuEvent(QContextMenuEvent* event) {
    // The text boxes keep their own menus; elsewhere on the form this one edits the code panel.
    QMenu menu(this);
    menu.addAction(QStringLiteral("Cu&t\tCtrl+X"), m_editor, &QPlainTextEdit::cut);
    menu.addAction(QStringLiteral("&Copy\tCtrl+C"), m_editor, &QPlainTextEdit::copy);
    menu.addAction(QStringLiteral("&Paste\tCtrl+V"), m_editor, &QPlainTextEdit::paste);
    menu.exec(event->globalPos());
}

}  // namespace nakkas
