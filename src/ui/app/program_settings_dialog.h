#pragma once

#include <QDialog>

#include "app/program_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace nakkas {

// "Program Ayarları - Program Varsayılanları".
class ProgramSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ProgramSettingsDialog(ProgramSettings& model, QWidget* parent = nullptr);

private:
    void collect();
    void redraw();
    void finish(const Outcome& outcome);

    ProgramSettings& m_model;
    QLineEdit* m_paket = nullptr;
    QLineEdit* m_activity = nullptr;
    QLineEdit* m_simge = nullptr;
    QLineEdit* m_veritabani = nullptr;
    QLineEdit* m_tablo = nullptr;
    QComboBox* m_version = nullptr;
    QCheckBox* m_clearPanel = nullptr;
};

}  // namespace nakkas
