#include "layout_to_code_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "definer/definer_form.h"
#include "form_widgets.h"
#include "qt_text.h"
#include "tools/layout_to_code/layout_to_code.h"

namespace nakkas {

namespace {
enum Column { kClass, kId, kVariable, kColumnCount };
}

LayoutToCodeDialog::LayoutToCodeDialog(LayoutToCode& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("layoutToCodeDialog"));
    setWindowTitle(QStringLiteral("Layout'tan Kod Üret"));
    resize(660, 520);

    auto* summary = new QLabel(qs(m_model.summary()));
    summary->setObjectName(QStringLiteral("summaryLabel"));
    auto* notes = new QLabel;
    notes->setObjectName(QStringLiteral("notesLabel"));
    notes->setWordWrap(true);
    QString noteText;
    for (const std::string& n : m_model.notes())
        noteText += (noteText.isEmpty() ? QString() : QStringLiteral("\n")) + qs(n);
    notes->setText(noteText);
    notes->setVisible(!noteText.isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(notes);
    layout->addWidget(buildTable(), 1);
    layout->addLayout(buildCheckRow());
    layout->addLayout(buildOptions());
    layout->addLayout(buildButtonRow());

    QWidget* order[] = {m_table,  m_checkAll,  m_checkNone, m_style,
                        m_access, m_listeners, m_create,    m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    fill();
    m_style->setCurrentIndex(int(m_model.options().style));
    m_access->setCurrentIndex(int(m_model.options().accessIndex));
    m_listeners->setChecked(m_model.options().writeListeners);
    connectEvents();

    m_table->setFocus();
    if (m_table->rowCount() > 0) m_table->setCurrentCell(0, kClass);
}

QTableWidget* LayoutToCodeDialog::buildTable() {
    m_table = new QTableWidget(0, kColumnCount);
    m_table->setObjectName(QStringLiteral("views"));
    m_table->setAccessibleName(QStringLiteral("Görünümler"));
    m_table->setToolTip(QStringLiteral(
        "İşaretli görünümlerin kodu yazılır. Değişken adını değiştirmek için hücreye çift "
        "tıklayın ya da F2'ye basın; boşluk tuşu işareti değiştirir."));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Sınıf"), QStringLiteral("Id"), QStringLiteral("Değişken Adı")});
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setAccessibleName(QStringLiteral("Sütun başlıkları"));
    m_table->verticalHeader()->setAccessibleName(QStringLiteral("Satır başlıkları"));
    // Selecting every cell means nothing here; the check buttons below do the useful thing.
    m_table->setCornerButtonEnabled(false);
    if (auto* corner = m_table->findChild<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("Tablo köşesi"));
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    // Tab leaves the table, so that the keyboard reaches the buttons; the arrows move within.
    m_table->setTabKeyNavigation(false);
    return m_table;
}

QLayout* LayoutToCodeDialog::buildCheckRow() {
    m_checkAll = pushButton(QStringLiteral("&Tümünü Seç"), "checkAllButton",
                            QStringLiteral("Bütün görünümleri işaretler"));
    m_checkNone = pushButton(QStringLiteral("&Hiçbirini Seçme"), "checkNoneButton",
                             QStringLiteral("Bütün işaretleri kaldırır"));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {m_checkAll, m_checkNone}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    row->addStretch(1);
    return row;
}

QLayout* LayoutToCodeDialog::buildOptions() {
    m_style = comboBox("namingStyle");
    for (std::string_view label : kNamingStyleLabels) m_style->addItem(qs(label));
    m_style->setToolTip(QStringLiteral(
        "Önerilen değişken adlarının biçimi; elle değiştirdiğiniz adlar olduğu gibi kalır"));
    m_access = comboBox("access");
    for (std::string_view entry : DefinerForm::kAccessEntries) m_access->addItem(qs(entry));
    m_access->setToolTip(QStringLiteral("Her tanımlamanın başına yazılan erişim belirteci"));
    m_listeners = checkBox(QStringLiteral("Olay &Dinleyicilerini Oluştur"), "writeListeners");
    m_listeners->setToolTip(
        QStringLiteral("Tanıdığı nesneler için tanımlamanın ardından olay dinleyicisini de yazar"));
    auto* options = new QGridLayout;
    options->addWidget(buddyLabel(QStringLiteral("Değişken adı &biçimi:"), m_style), 0, 0);
    options->addWidget(m_style, 0, 1);
    options->addWidget(buddyLabel(QStringLiteral("E&rişim belirteci:"), m_access), 1, 0);
    options->addWidget(m_access, 1, 1);
    options->addWidget(m_listeners, 0, 2, 1, 1);
    options->setColumnStretch(3, 1);
    return options;
}

QLayout* LayoutToCodeDialog::buildButtonRow() {
    m_create = pushButton(QStringLiteral("&Oluştur"), "createButton",
                          QStringLiteral("İşaretli görünümlerin kodunu kod paneline yazar"));
    m_create->setAutoDefault(false);
    m_cancel = cancelButton(QStringLiteral("İptal &Et"));
    return buttonRow({m_create, m_cancel});
}

void LayoutToCodeDialog::connectEvents() {
    connect(m_table, &QTableWidget::itemChanged, this, &LayoutToCodeDialog::itemChanged);
    connect(m_style, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        m_model.setStyle(NamingStyle(index));
        redraw();
    });
    connect(m_access, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) m_model.selectAccess(size_t(index));
    });
    connect(m_listeners, &QCheckBox::toggled, this,
            [this](bool on) { m_model.setWriteListeners(on); });
    connect(m_checkAll, &QPushButton::clicked, this, [this] {
        m_model.checkAll();
        redraw();
    });
    connect(m_checkNone, &QPushButton::clicked, this, [this] {
        m_model.checkNone();
        redraw();
    });
    connect(m_create, &QPushButton::clicked, this, [this] {
        // A name still being typed counts: the press does not wait for the editor to close.
        const QModelIndex current = m_table->currentIndex();
        if (QWidget* editor = m_table->indexWidget(current))
            m_table->itemDelegate()->setModelData(editor, m_table->model(), current);
        if (m_model.confirm().ok()) accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void LayoutToCodeDialog::fill() {
    m_redrawing = true;
    const auto& rows = m_model.rows();
    m_table->setRowCount(int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = int(i);
        auto* cls = new QTableWidgetItem(qs(rows[i].view.className));
        cls->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        cls->setToolTip(qs(rows[i].view.className + " (" + rows[i].view.file + ")"));
        auto* id = new QTableWidgetItem(qs(displayId(rows[i].view)));
        id->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* name = new QTableWidgetItem;
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        m_table->setItem(r, kClass, cls);
        m_table->setItem(r, kId, id);
        m_table->setItem(r, kVariable, name);
    }
    m_redrawing = false;
    redraw();
    // Only now do the class cells hold their check boxes, which take room of their own.
    m_table->resizeColumnsToContents();
}

void LayoutToCodeDialog::redraw() {
    m_redrawing = true;
    const auto& rows = m_model.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = int(i);
        m_table->item(r, kClass)->setCheckState(rows[i].checked ? Qt::Checked : Qt::Unchecked);
        m_table->item(r, kVariable)->setText(qs(rows[i].variableName));
    }
    m_redrawing = false;
}

void LayoutToCodeDialog::itemChanged(QTableWidgetItem* item) {
    if (m_redrawing) return;
    const auto row = std::size_t(item->row());
    if (item->column() == kClass) m_model.setChecked(row, item->checkState() == Qt::Checked);
    if (item->column() == kVariable) m_model.setVariableName(row, us(item->text()));
}

}  // namespace nakkas
