#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace nakkas {

class MenuDesigner;
class Services;

// "Menü Tasarım": a thin view over the menu designer model, in whichever mode the opener made
// the model. The icon button asks the desktop for a PNG and hands the answer to the model.
class MenuDesignerDialog : public QDialog {
    Q_OBJECT
public:
    MenuDesignerDialog(MenuDesigner& model, Services& services, QWidget* parent = nullptr);

    // "İptal", Escape and the close box all end here.
    void reject() override;

private:
    void redraw();

    MenuDesigner& m_model;
    Services& m_services;
    QLineEdit* m_count = nullptr;
    QPushButton* m_listButton = nullptr;
    QListWidget* m_items = nullptr;
    QLineEdit* m_menuId = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_iconName = nullptr;
    QToolButton* m_iconButton = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace nakkas
