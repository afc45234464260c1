#pragma once

#include <QDialog>

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace nakkas {

class MenuDesigner;

// "Menü Tasarım": a thin view over the menu designer model, in whichever mode the opener made
// the model.
class MenuDesignerDialog : public QDialog {
    Q_OBJECT
public:
    explicit MenuDesignerDialog(MenuDesigner& model, QWidget* parent = nullptr);

    // "İptal", Escape and the close box all end here.
    void reject() override;

private:
    QLayout* buildCountRow();
    QLayout* buildFields();
    QLayout* buildButtonRow();
    void connectEvents();
    void redraw();

    MenuDesigner& m_model;
    QLineEdit* m_count = nullptr;
    QPushButton* m_listButton = nullptr;
    QListWidget* m_items = nullptr;
    QLineEdit* m_menuId = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_iconName = nullptr;
    QToolButton* m_iconButton = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace nakkas
