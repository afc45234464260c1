#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace nakkas {

class LayoutToCode;

// "Layout'tan Kod Üret": a thin view over the layout-to-code model. One table row per view with
// an id: the class with its check box, the id, and the editable variable name.
class LayoutToCodeDialog : public QDialog {
    Q_OBJECT
public:
    LayoutToCodeDialog(LayoutToCode& model, QWidget* parent = nullptr);

private:
    QTableWidget* buildTable();
    QLayout* buildCheckRow();
    QLayout* buildOptions();
    QLayout* buildButtonRow();
    void connectEvents();
    void fill();
    void redraw();
    void itemChanged(QTableWidgetItem* item);

    LayoutToCode& m_model;
    QTableWidget* m_table = nullptr;
    QComboBox* m_style = nullptr;
    QComboBox* m_access = nullptr;
    QCheckBox* m_listeners = nullptr;
    QPushButton* m_checkAll = nullptr;
    QPushButton* m_checkNone = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_redrawing = false;  // programmatic changes are not user edits
};

}  // namespace nakkas
