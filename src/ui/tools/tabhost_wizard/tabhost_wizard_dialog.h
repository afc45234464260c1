#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace nakkas {

class Services;
class TabHostWizard;

// "Tab Host Proje Tasarımı": a thin view over the wizard model. Every event goes to the model
// and the form is redrawn from it; the menu button opens the menu design dialog in its Tab Host
// mode on the shared menu records.
class TabHostWizardDialog : public QDialog {
    Q_OBJECT
public:
    TabHostWizardDialog(TabHostWizard& wizard, Services& services, QWidget* parent = nullptr);

private:
    void redraw();
    void redrawTabFields();
    void openMenuDesign();

    TabHostWizard& m_model;
    Services& m_services;
    bool m_redrawing = false;

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
    std::array<QPushButton*, 6> m_startTabs{};
    QButtonGroup* m_startGroup = nullptr;
    QLineEdit* m_appId = nullptr;
    QLineEdit* m_windowTitle = nullptr;
    QComboBox* m_targetVersion = nullptr;
    QComboBox* m_minVersion = nullptr;
    QLineEdit* m_package = nullptr;
    std::array<QPushButton*, 4> m_helpButtons{};
    QCheckBox* m_onCreate = nullptr;
    std::array<QCheckBox*, 6> m_lifecycle{};  // in the model's order
    QRadioButton* m_folderOption = nullptr;
    QPushButton* m_folderButton = nullptr;
    QLineEdit* m_outputFolder = nullptr;
    QCheckBox* m_openWhenDone = nullptr;
    QCheckBox* m_menuFlag = nullptr;
    QPushButton* m_newMenu = nullptr;
    QPushButton* m_create = nullptr;
};

}  // namespace nakkas
