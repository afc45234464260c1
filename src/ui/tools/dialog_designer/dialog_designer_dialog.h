#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace nakkas {

class DialogDesigner;

// "Dialog Tasarımı": a thin view over the dialog designer model in one mode.
class DialogDesignerDialog : public QDialog {
    Q_OBJECT
public:
    DialogDesignerDialog(DialogDesigner& model, QWidget* parent = nullptr);

private:
    QGroupBox* buildTypeBox();
    QGroupBox* buildParamBox();
    QLayout* buildButtonRow();
    void connectEvents();
    void redraw();

    DialogDesigner& m_model;
    bool m_redrawing = false;
    QComboBox* m_type = nullptr;
    QLineEdit* m_variable = nullptr;
    QLineEdit* m_activity = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_message = nullptr;
    QLineEdit* m_button1 = nullptr;
    QLineEdit* m_button2 = nullptr;
    QLineEdit* m_icon = nullptr;
    QListWidget* m_toastFlag = nullptr;
    QToolButton* m_preview = nullptr;
    QToolButton* m_clear = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace nakkas
