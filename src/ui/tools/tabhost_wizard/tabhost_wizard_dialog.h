#pragma once

#include <QDialog>

#include "app/form_view.h"

namespace nakkas {

// "Tab Host Proje Tasarımı". For now it holds the hand-over values and can only be cancelled.
class TabHostWizardDialog : public QDialog {
    Q_OBJECT
public:
    TabHostWizardDialog(const TabHostHandover& handover, QWidget* parent = nullptr);
};

}  // namespace nakkas
