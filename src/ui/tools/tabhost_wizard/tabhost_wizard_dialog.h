#pragma once

#include <QDialog>

#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {

// "Tab Host Proje Tasarımı". For now it holds the hand-over values and can only be cancelled.
class TabHostWizardDialog : public QDialog {
    Q_OBJECT
public:
    TabHostWizardDialog(TabHostWizard& wizard, QWidget* parent = nullptr);
};

}  // namespace nakkas
