#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace nakkas {

class DialogDesigner;

// "Dialog Tasarımı": a thin view over the dialog designer model in one mode.
class DialogDesignerDialog : public QDialog {
    Q_OBJECT
public:
    DialogDesignerDialog(DialogDesigner& model, QWidget* parent = nullptr);

private:
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
};

}  // namespace nakkas
