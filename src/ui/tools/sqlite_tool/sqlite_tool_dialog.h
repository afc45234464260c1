#pragma once

#include <QDialog>

#include "tools/sqlite_tool/record_commands.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace nakkas {

class SqliteTool;

// "SQLite - Veritabanı Aracı": a thin view over the SQLite tool model.
class SqliteToolDialog : public QDialog {
    Q_OBJECT
public:
    SqliteToolDialog(SqliteTool& model, QWidget* parent = nullptr);

    // "İptal", Escape and the close box all end here.
    void reject() override;

private:
    // The controls of one command group; delete has no list, variable, EditText box or reset.
    struct GroupView {
        QListWidget* columns = nullptr;
        QLineEdit* variable = nullptr;
        QCheckBox* editText = nullptr;
        QPushButton* press = nullptr;  // "Ekle ve Oluştur >>", or delete's "<< Oluştur"
        QPushButton* reset = nullptr;
        QPlainTextEdit* result = nullptr;
        QCheckBox* include = nullptr;
    };

    QWidget* buildTablePane();
    QLayout* buildNewColumn();
    QGroupBox* buildEditorBox();
    QLayout* buildDatabaseFields();
    void connectTablePane();
    QWidget* buildCommandPane();
    // The box, result, inclusion box and press button every group has.
    QGroupBox* groupBox(RecordCommands::Group group);
    QGroupBox* buildPressGroup(RecordCommands::Group group);
    QGroupBox* buildDeleteGroup();
    void connectGroup(RecordCommands::Group group);

    void redraw();
    void redrawResult(RecordCommands::Group group);

    SqliteTool& m_model;
    bool m_redrawing = false;  // programmatic changes are not the user's choices

    QLineEdit* m_tableName = nullptr;
    QLineEdit* m_columnName = nullptr;
    QListWidget* m_newType = nullptr;
    QCheckBox* m_primaryKey = nullptr;
    QCheckBox* m_notNull = nullptr;
    QCheckBox* m_unique = nullptr;
    QPushButton* m_add = nullptr;
    QLabel* m_caption = nullptr;
    QListWidget* m_columns = nullptr;
    QLabel* m_count = nullptr;
    QListWidget* m_editorType = nullptr;
    QCheckBox* m_editorKey = nullptr;
    QCheckBox* m_editorNotNull = nullptr;
    QCheckBox* m_editorUnique = nullptr;
    QPushButton* m_update = nullptr;
    QLineEdit* m_databaseName = nullptr;
    QComboBox* m_version = nullptr;
    QLineEdit* m_packageName = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_compile = nullptr;

    GroupView m_groups[RecordCommands::kGroupCount];
    QCheckBox* m_insertNotify = nullptr;
    QCheckBox* m_insertClear = nullptr;
    QCheckBox* m_updateNotify = nullptr;
    QCheckBox* m_deleteNotify = nullptr;
    QCheckBox* m_countRecords = nullptr;
};

}  // namespace nakkas
