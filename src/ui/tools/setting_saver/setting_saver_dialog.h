#pragma once

#include <QDialog>

class QLineEdit;

namespace nakkas {

class SettingSaver;

// "Sistem Ayar Kaydedici": a thin view over the setting saver model.
class SettingSaverDialog : public QDialog {
    Q_OBJECT
public:
    SettingSaverDialog(SettingSaver& model, QWidget* parent = nullptr);

private:
    void redraw();

    SettingSaver& m_model;
    QLineEdit* m_javaType = nullptr;
    QLineEdit* m_storageMode = nullptr;
};

}  // namespace nakkas
