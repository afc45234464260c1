#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace nakkas {

class ListCreator;

// "Liste Elemanı Oluşturucu": a thin view over the list creator model.
class ListCreatorDialog : public QDialog {
    Q_OBJECT
public:
    ListCreatorDialog(ListCreator& model, QWidget* parent = nullptr);

private:
    void redraw();

    ListCreator& m_model;
    QLineEdit* m_entry = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
};

}  // namespace nakkas
