#include "sqlite_tool_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "definer/code_panel.h"
#include "form_widgets.h"
#include "qt_text.h"
#include "tools/sqlite_tool/database_helper.h"
#include "tools/sqlite_tool/sqlite_tool.h"

namespace nakkas {

namespace {

using Group = RecordCommands::Group;

// Every type shows at once: a type that has to be scrolled to is easily never found.
QListWidget* typeList(const char* objectName, const QString& accessibleName) {
    QListWidget* list = choiceList(objectName);
    list->setAccessibleName(accessibleName);
    for (auto word : kColumnTypes) list->addItem(qs(word));
    list->setFixedHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth());
    return list;
}

QListWidget* columnList(const QString& objectName, const QString& accessibleName) {
    QListWidget* list = choiceList("");
    list->setObjectName(objectName);  // made from the group's key
    list->setAccessibleName(accessibleName);
    return list;
}

void selectRow(QListWidget* list, std::optional<std::size_t> row) {
    if (row) {
        list->setCurrentRow(int(*row));
    } else {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}

// A group's prefix for object names, its title and its inclusion box, in group order.
const char* const kGroupKeys[RecordCommands::kGroupCount] = {"insert", "update", "show", "delete"};
const char* const kGroupTitles[RecordCommands::kGroupCount] = {
    "Yeni Kayıt Ekle Komutu", "Güncelle Komutu", "Kayıt Göster Komutu", "Kayıt Sil Komutu"};
const char* const kIncludeTexts[RecordCommands::kGroupCount] = {
    "Ekle komutunu derlemeye dahil et", "Güncelle komutunu derlemeye dahil et",
    "Kayıt göster komutunu derlemeye dahil et", "Sil komutunu derlemeye dahil et"};

QString childName(Group g, const char* suffix) {
    return QString::fromLatin1(kGroupKeys[g]) + QString::fromLatin1(suffix);
}

}  // namespace

SqliteToolDialog::SqliteToolDialog(SqliteTool& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("sqliteToolDialog"));
    setWindowTitle(QStringLiteral("SQLite - Veritabanı Aracı"));

    auto* panes = new QHBoxLayout;
    panes->addWidget(buildTablePane(), 0);
    panes->addWidget(buildCommandPane(), 1);

    // Names the file it saves, .java or .kt as the output language is.
    m_save =
        pushButton(qs(m_model.helperFileName()) + QStringLiteral(" &KAYDET"), "saveButton",
                   QStringLiteral("Tabloyu oluşturan DatabaseHelper sınıfını dosyaya kaydeder"));
    m_compile = pushButton(QStringLiteral("Seçili Komutları &Derle"), "compileButton",
                           QStringLiteral("Seçili komutları birleştirip kod paneline aktarır"));
    auto* cancel = pushButton(QStringLiteral("İptal"), "cancelButton",
                              QStringLiteral("Kod paneline dokunmadan kapatır"));
    m_save->setDefault(true);
    m_compile->setAutoDefault(false);
    cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttonRow({m_save, m_compile, cancel}));

    connect(m_save, &QPushButton::clicked, this, [this] {
        m_model.save();
        redraw();
    });
    connect(m_compile, &QPushButton::clicked, this, [this] {
        m_model.compile();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &SqliteToolDialog::reject);

    redraw();
    for (int g = 0; g < RecordCommands::kGroupCount; ++g) redrawResult(Group(g));
    resize(1100, 740);
    m_tableName->setFocus();
}

QWidget* SqliteToolDialog::buildTablePane() {
    m_caption = new QLabel;
    m_caption->setObjectName(QStringLiteral("columnListCaption"));
    m_columns = columnList(QStringLiteral("columns"), QStringLiteral("Tablo hücreleri"));
    m_caption->setBuddy(m_columns);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("countLabel"));
    auto* note = new QLabel(
        QStringLiteral("NOT: Buradaki hiçbir yerde Türkçe karakter ve boşluk kullanmayın "));
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);

    auto* pane = new QWidget;
    pane->setObjectName(QStringLiteral("tablePane"));
    auto* v = new QVBoxLayout(pane);
    v->setContentsMargins(0, 0, 0, 0);
    v->addLayout(buildNewColumn());
    v->addWidget(m_caption);
    v->addWidget(m_columns, 1);
    v->addWidget(m_count);
    v->addWidget(buildEditorBox());
    v->addLayout(buildDatabaseFields());
    v->addWidget(note);
    v->addWidget(helpVideoLink("videoLink",
                               QStringLiteral("Konuyu anlatan videoyu tarayıcıda açar"), this,
                               [this] { m_model.openHelpVideo(); }));
    pane->setMinimumWidth(340);
    pane->setMaximumWidth(400);
    connectTablePane();
    return pane;
}

QLayout* SqliteToolDialog::buildNewColumn() {
    m_tableName = lineEdit("tableName");
    m_columnName = lineEdit("columnName");
    m_tableName->setToolTip(QStringLiteral("Oluşturulacak tablonun adı"));
    m_columnName->setToolTip(QStringLiteral("Listeye eklenecek hücrenin (sütunun) adı"));
    m_newType = typeList("newColumnType", QStringLiteral("Yeni hücre tipi"));
    m_newType->setToolTip(QStringLiteral("Yeni hücrenin tipi"));
    m_primaryKey = checkBox(QStringLiteral("Birincil Anahtar"), "newPrimaryKey");
    m_notNull = checkBox(QStringLiteral("Boş Geçemez"), "newNotNull");
    m_unique = checkBox(QStringLiteral("Eşsiz Değer"), "newUnique");
    m_add = pushButton(QStringLiteral("Listeye &Ekle"), "addButton",
                       QStringLiteral("Hücreyi tabloya ekler"));
    m_add->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(buddyLabel(QStringLiteral("&Tablo Adı:"), m_tableName), m_tableName);
    fields->addRow(buddyLabel(QStringLiteral("&Hücre Adı:"), m_columnName), m_columnName);
    auto* flags = new QVBoxLayout;
    flags->addWidget(m_primaryKey);
    flags->addWidget(m_notNull);
    flags->addWidget(m_unique);
    flags->addStretch(1);
    flags->addWidget(m_add);
    auto* newColumn = new QHBoxLayout;
    newColumn->addWidget(m_newType, 1);
    newColumn->addLayout(flags);
    auto* layout = new QVBoxLayout;
    layout->addLayout(fields);
    layout->addLayout(newColumn);
    return layout;
}

QGroupBox* SqliteToolDialog::buildEditorBox() {
    m_editorType = typeList("editorType", QStringLiteral("Seçili hücrenin tipi"));
    m_editorKey = checkBox(QStringLiteral("Birincil Anahtar"), "editorPrimaryKey");
    m_editorKey->setEnabled(false);  // it only shows which column is the key
    m_editorNotNull = checkBox(QStringLiteral("Boş Geçemez"), "editorNotNull");
    m_editorUnique = checkBox(QStringLiteral("Eşsiz Değer"), "editorUnique");
    m_update = pushButton(QStringLiteral("Hücreyi &Güncelle"), "updateColumnButton",
                          QStringLiteral("Seçili hücrenin tipini ve seçeneklerini değiştirir"));
    m_update->setAutoDefault(false);
    auto* flags = new QVBoxLayout;
    flags->addWidget(m_editorKey);
    flags->addWidget(m_editorNotNull);
    flags->addWidget(m_editorUnique);
    flags->addStretch(1);
    flags->addWidget(m_update);
    auto* box = new QGroupBox(QStringLiteral("Seçili Hücre Bilgisi"));
    box->setObjectName(QStringLiteral("editorGroup"));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_editorType, 1);
    layout->addLayout(flags);
    return box;
}

QLayout* SqliteToolDialog::buildDatabaseFields() {
    m_databaseName = lineEdit("databaseName");
    m_databaseName->setToolTip(QStringLiteral("Telefonda oluşacak veritabanı dosyasının adı"));
    m_version = comboBox("version");
    m_version->setToolTip(QStringLiteral("Veritabanı sürümü"));
    for (auto v : kDatabaseVersions) m_version->addItem(qs(v));
    m_packageName = lineEdit("packageName");
    m_packageName->setToolTip(QStringLiteral("DatabaseHelper sınıfının Java paketi"));
    auto* form = new QFormLayout;
    form->addRow(buddyLabel(QStringLiteral("&Veritabanı Adı:"), m_databaseName), m_databaseName);
    form->addRow(buddyLabel(QStringLiteral("Ve&rsiyon:"), m_version), m_version);
    form->addRow(buddyLabel(QStringLiteral("&Paket Adı:"), m_packageName), m_packageName);
    return form;
}

void SqliteToolDialog::connectTablePane() {
    const auto quiet = [this] { return m_redrawing; };
    const auto flag = [this](QCheckBox* box, bool& target) {
        connect(box, &QCheckBox::toggled, this, [this, &target](bool on) {
            if (!m_redrawing) target = on;
        });
    };
    connect(m_tableName, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model.tableName = us(text);
        m_caption->setText(qs(m_model.columnListCaption()));
    });
    connect(m_columnName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.columnName = us(text); });
    const auto chooseNewType = [this](std::size_t row) { m_model.chooseNewType(row); };
    onPick(m_newType, this, chooseNewType, quiet);
    connect(m_primaryKey, &QCheckBox::toggled, this, [this](bool on) {
        if (m_redrawing) return;
        m_model.setPrimaryKeyBox(on);
        redraw();
    });
    flag(m_notNull, m_model.notNullBox);
    flag(m_unique, m_model.uniqueBox);
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_model.addColumn();
        redraw();
        m_columnName->setFocus();
    });
    connect(m_columns, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_redrawing || row < 0) return;
        m_model.chooseColumn(std::size_t(row));
        redraw();
    });
    const auto chooseEditorType = [this](std::size_t row) { m_model.editor.type = row; };
    onPick(m_editorType, this, chooseEditorType, quiet);
    flag(m_editorNotNull, m_model.editor.notNull);
    flag(m_editorUnique, m_model.editor.unique);
    connect(m_update, &QPushButton::clicked, this, [this] {
        m_model.updateColumn();
        redraw();
    });
    connect(m_databaseName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.databaseName = us(text); });
    connect(m_packageName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.packageName = us(text); });
    connect(m_version, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) m_model.chooseVersion(std::size_t(index));
    });
}

QWidget* SqliteToolDialog::buildCommandPane() {
    auto* pane = new QWidget;
    pane->setObjectName(QStringLiteral("commandPane"));
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buildPressGroup(Group::Insert), 0, 0);
    grid->addWidget(buildPressGroup(Group::Update), 0, 1);
    grid->addWidget(buildPressGroup(Group::Show), 1, 0);
    grid->addWidget(buildDeleteGroup(), 1, 1);

    m_countRecords = checkBox(QStringLiteral("Toplam kaç kayıt var"), "countRecords");
    m_countRecords->setToolTip(QStringLiteral("Tablodaki kayıt sayısını veren kodu da ekler"));
    auto* ready = new QHBoxLayout;
    ready->addWidget(new QLabel(QStringLiteral("Hazır Komutlar:")));
    ready->addWidget(m_countRecords);
    ready->addStretch(1);
    grid->addLayout(ready, 2, 0, 1, 2);
    connect(m_countRecords, &QCheckBox::toggled, this,
            [this](bool on) { m_model.commands.countRecords = on; });

    for (int g = 0; g < RecordCommands::kGroupCount; ++g) connectGroup(Group(g));
    return pane;
}

QGroupBox* SqliteToolDialog::groupBox(Group g) {
    const QString title = QString::fromUtf8(kGroupTitles[g]);
    GroupView& view = m_groups[g];
    auto* box = new QGroupBox(title);
    box->setObjectName(childName(g, "Group"));
    view.result = new QPlainTextEdit;
    view.result->setObjectName(childName(g, "Result"));
    view.result->setAccessibleName(title + QStringLiteral(" sonucu"));
    view.result->setToolTip(QStringLiteral("Oluşan kod; elle de düzeltilebilir"));
    view.result->setLineWrapMode(QPlainTextEdit::NoWrap);
    view.result->setTabChangesFocus(true);
    if (g != Group::Show) {
        QFont fixed(QStringLiteral("Courier New"), 10);
        fixed.setStyleHint(QFont::Monospace);
        view.result->setFont(fixed);
    }
    view.include = checkBox(QString::fromUtf8(kIncludeTexts[g]), nullptr);
    view.include->setObjectName(childName(g, "Include"));
    return box;
}

QGroupBox* SqliteToolDialog::buildDeleteGroup() {
    QGroupBox* box = groupBox(Group::Delete);
    GroupView& view = m_groups[Group::Delete];
    view.press = pushButton(QStringLiteral("<< Oluştur"), "deleteCreateButton",
                            QStringLiteral("Birincil anahtara göre kayıt silme kodunu yazar"));
    view.press->setAutoDefault(false);
    m_deleteNotify = checkBox(QStringLiteral("Silindiğinde kullanıcıya bilgi ver"), "deleteNotify");
    auto* row = new QHBoxLayout;
    row->addWidget(view.press);
    row->addStretch(1);
    auto* v = new QVBoxLayout(box);
    v->addLayout(row);
    v->addWidget(view.result, 1);
    v->addWidget(view.include);
    v->addWidget(m_deleteNotify);
    return box;
}

QGroupBox* SqliteToolDialog::buildPressGroup(Group g) {
    QGroupBox* box = groupBox(g);
    const QString title = box->title();
    GroupView& view = m_groups[g];
    view.press = pushButton(QStringLiteral("Ekle ve Oluştur >>"), nullptr,
                            QStringLiteral("Seçili hücreyi komuta ekler"));
    view.press->setObjectName(childName(g, "PressButton"));
    view.press->setAutoDefault(false);
    view.columns = columnList(childName(g, "Columns"), title + QStringLiteral(" hücreleri"));
    view.columns->setMaximumHeight(90);
    view.variable = new QLineEdit;
    view.variable->setObjectName(childName(g, "Variable"));
    view.variable->setToolTip(
        QStringLiteral("Değerin alınacağı ya da yazılacağı değişken veya nesne"));
    auto* variableLabel = buddyLabel(QStringLiteral("Değişken yada Nesne Adı:"), view.variable);
    // Three groups have this field; a screen reader must tell them apart.
    view.variable->setAccessibleName(QStringLiteral("Değişken yada Nesne Adı (%1)").arg(title));
    view.editText = checkBox(QStringLiteral("Bu bir EditText değeri"), nullptr);
    view.editText->setObjectName(childName(g, "EditText"));
    view.reset =
        pushButton(QStringLiteral("Sıfırla"), nullptr, QStringLiteral("Bu komutu baştan başlatır"));
    view.reset->setObjectName(childName(g, "ResetButton"));
    view.reset->setAutoDefault(false);

    auto* top = new QGridLayout;
    top->addWidget(view.columns, 0, 0, 3, 1);
    top->addWidget(new QLabel(QStringLiteral("=")), 0, 1, 3, 1);
    top->addWidget(variableLabel, 0, 2);
    top->addWidget(view.variable, 1, 2);
    top->addWidget(view.editText, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(view.press);
    buttons->addWidget(view.reset);
    buttons->addStretch(1);
    auto* v = new QVBoxLayout(box);
    v->addLayout(top);
    v->addLayout(buttons);
    v->addWidget(view.result, 1);
    v->addWidget(view.include);
    if (g == Group::Insert) {
        m_insertNotify =
            checkBox(QStringLiteral("Eklendiğinde kullanıcıya bilgi ver"), "insertNotify");
        m_insertClear =
            checkBox(QStringLiteral("Eklendiğinde nesnelerin içini temizle"), "insertClear");
        v->addWidget(m_insertNotify);
        v->addWidget(m_insertClear);
    } else if (g == Group::Update) {
        m_updateNotify =
            checkBox(QStringLiteral("Güncellendiğinde kullanıcıya bilgi ver"), "updateNotify");
        v->addWidget(m_updateNotify);
    }
    return box;
}

void SqliteToolDialog::connectGroup(Group g) {
    GroupView& view = m_groups[g];
    RecordCommands& rc = m_model.commands;
    connect(view.result, &QPlainTextEdit::textChanged, this, [this, g, &rc] {
        // The box shows CR LF as line breaks and gives them back as LF.
        if (!m_redrawing) rc.group(g).result = toCrLf(us(m_groups[g].result->toPlainText()));
    });
    connect(view.include, &QCheckBox::toggled, this, [this, g, &rc](bool on) {
        if (m_redrawing) return;
        rc.setIncluded(g, on);
        redraw();
    });
    connect(view.press, &QPushButton::clicked, this, [this, g] {
        m_model.pressCommand(g);
        redraw();
        redrawResult(g);
    });
    const auto notify = [this](QCheckBox* box, bool& target) {
        connect(box, &QCheckBox::toggled, this, [this, &target](bool on) {
            if (!m_redrawing) target = on;
        });
    };
    if (g == Group::Delete) {
        notify(m_deleteNotify, rc.deleteNotify);
        return;
    }
    connect(view.reset, &QPushButton::clicked, this, [this, g] {
        m_model.commands.reset(g);
        redraw();
        redrawResult(g);
    });
    connect(view.columns, &QListWidget::currentRowChanged, this, [this, g, &rc](int row) {
        if (m_redrawing || row < 0 || std::size_t(row) >= m_model.columns().size()) return;
        rc.chooseColumn(g, m_model.columns()[std::size_t(row)].name);
    });
    connect(view.variable, &QLineEdit::textChanged, this, [this, g, &rc](const QString& text) {
        if (!m_redrawing) rc.group(g).variable = us(text);
    });
    connect(view.editText, &QCheckBox::toggled, this, [this, g, &rc](bool on) {
        if (m_redrawing) return;
        rc.setEditText(g, on);
        redraw();
    });
    if (g == Group::Insert) {
        notify(m_insertNotify, rc.insertNotify);
        notify(m_insertClear, rc.insertClear);
    } else if (g == Group::Update) {
        notify(m_updateNotify, rc.updateNotify);
    }
}

void SqliteToolDialog::redraw() {
    m_redrawing = true;
    const SqliteTool& m = m_model;
    if (m_tableName->text() != qs(m.tableName)) m_tableName->setText(qs(m.tableName));
    if (m_columnName->text() != qs(m.columnName)) m_columnName->setText(qs(m.columnName));
    selectRow(m_newType, m.newType());
    m_primaryKey->setChecked(m.primaryKeyBox);
    m_notNull->setChecked(m.notNullBox);
    m_unique->setChecked(m.uniqueBox);
    m_notNull->setEnabled(m.notNullEnabled());
    m_unique->setEnabled(m.uniqueEnabled());
    m_caption->setText(qs(m.columnListCaption()));

    // Columns are only ever appended, to the table's list and the three builder lists alike.
    const auto& columns = m.columns();
    for (QListWidget* list : {m_columns, m_groups[Group::Insert].columns,
                              m_groups[Group::Update].columns, m_groups[Group::Show].columns})
        for (int row = list->count(); std::size_t(row) < columns.size(); ++row)
            list->addItem(qs(columns[std::size_t(row)].name));
    m_count->setText(qs(m.countLabel()));

    const SqliteTool::Editor& e = m.editor;
    if (e.column) m_columns->setCurrentRow(int(*e.column));
    selectRow(m_editorType, e.type);
    m_editorKey->setChecked(e.primaryKey);
    m_editorNotNull->setChecked(e.notNull);
    m_editorUnique->setChecked(e.unique);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_editorType, m_editorNotNull, m_editorUnique, m_update})
        w->setEnabled(e.enabled);

    if (m_databaseName->text() != qs(m.databaseName)) m_databaseName->setText(qs(m.databaseName));
    if (m_packageName->text() != qs(m.packageName)) m_packageName->setText(qs(m.packageName));
    m_version->setCurrentIndex(m.version() ? int(*m.version()) : -1);
    m_save->setEnabled(m.saveEnabled());

    const RecordCommands& rc = m.commands;
    for (int g = 0; g < RecordCommands::kGroupCount; ++g) {
        const auto& state = rc.group(Group(g));
        GroupView& view = m_groups[g];
        view.include->setChecked(state.included);
        view.include->setEnabled(state.includeEnabled);
        if (view.variable && view.variable->text() != qs(state.variable))
            view.variable->setText(qs(state.variable));
        if (view.editText) view.editText->setChecked(state.editText);
    }
    m_insertNotify->setChecked(rc.insertNotify);
    m_insertClear->setChecked(rc.insertClear);
    m_updateNotify->setChecked(rc.updateNotify);
    m_deleteNotify->setChecked(rc.deleteNotify);
    m_countRecords->setChecked(rc.countRecords);
    m_compile->setEnabled(rc.compileEnabled());
    m_redrawing = false;
}

void SqliteToolDialog::redrawResult(Group g) {
    m_redrawing = true;
    m_groups[g].result->setPlainText(qs(m_model.commands.group(g).result));
    m_redrawing = false;
}

void SqliteToolDialog::reject() {
    m_model.cancel();
    QDialog::reject();
}

}  // namespace nakkas
