#pragma once

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

#include "tools/tabhost_wizard/tabhost_wizard.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace nakkas {

// "Tab Host Proje Tasarımı": a thin view over the wizard model. Every event goes to the model
// and the form is redrawn from it, enabled states included; the menu button has the model open
// the menu design dialog in its Tab Host mode on the shared menu records.
class TabHostWizardDialog : public QDialog {
    Q_OBJECT
public:
    explicit TabHostWizardDialog(TabHostWizard& wizard, QWidget* parent = nullptr);

private:
    using Control = TabHostWizard::Control;

    QGroupBox* buildTabBox();
    QGroupBox* buildProjectBox();
    QGroupBox* buildStartBox();
    QGroupBox* buildMethodBox();
    QGroupBox* buildFolderBox();
    QLayout* buildMenuRow();
    QLayout* buildButtonRow();
    void connectEvents();

    // Each widget whose enabled state the model decides, with the control it belongs to.
    void follow(QWidget* widget, Control control) { m_enabling.emplace_back(widget, control); }
    void redraw();
    void redrawTabFields();
    void designMenu();

    TabHostWizard& m_model;
    bool m_redrawing = false;
    std::vector<std::pair<QWidget*, Control>> m_enabling;

    QLineEdit* m_tabCount = nullptr;
    QPushButton* m_list = nullptr;
    QComboBox* m_orientation = nullptr;
    QCheckBox* m_fullScreen = nullptr;
    QListWidget* m_tabs = nullptr;
    QLineEdit* m_tabId = nullptr;
    QLineEdit* m_serial = nullptr;
    QLineEdit* m_tabActivity = nullptr;
    QLineEdit* m_tabTitle = nullptr;
    QLineEdit* m_iconName = nullptr;
    QToolButton* m_iconButton = nullptr;
    QCheckBox* m_scroll = nullptr;
    QComboBox* m_layoutStyle = nullptr;
    std::array<QPushButton*, kMaxTabs> m_startTabs{};
    QButtonGroup* m_startGroup = nullptr;
    QLineEdit* m_appId = nullptr;
    QLineEdit* m_windowTitle = nullptr;
    QComboBox* m_targetVersion = nullptr;
    QComboBox* m_minVersion = nullptr;
    QLineEdit* m_package = nullptr;
    std::array<QPushButton*, 4> m_helpButtons{};  // in the order of TabHostWizard::Help
    QCheckBox* m_onCreate = nullptr;
    std::array<QCheckBox*, kLifecycleCount> m_lifecycle{};  // in the model's order
    QRadioButton* m_folderOption = nullptr;
    QPushButton* m_folderButton = nullptr;
    QLineEdit* m_outputFolder = nullptr;
    QCheckBox* m_openWhenDone = nullptr;
    QCheckBox* m_menuFlag = nullptr;
    QPushButton* m_newMenu = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace nakkas
