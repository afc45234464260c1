#pragma once

#include <QMainWindow>

#include "app/form_view.h"
#include "app/looks.h"

class QLabel;

namespace nakkas {

class FormViewWidget;
class RibbonWidget;

inline constexpr std::string_view kWindowTitle = "ZEP - Nakkas - 2012";
inline constexpr int kMinWidth = 770, kMaxWidth = 780, kMinHeight = 760, kMaxHeight = 770;

// The main window: ribbon, form view and status bar. It shows the modal dialogs the form view
// asks for.
class MainWindow : public QMainWindow, public DialogHost {
    Q_OBJECT
public:
    MainWindow(Services& services, Defaults& defaults, QWidget* parent = nullptr);
    ~MainWindow() override;

    RibbonWidget& ribbonWidget() { return *m_ribbon; }
    FormViewWidget& formView() { return *m_form; }

    // "ApplicationLook": applied now and stored.
    void setLook(int look);
    int look() const { return m_look.current(); }

    bool runListCreator(ListCreator& creator) override;
    void runTabHostWizard(TabHostWizard& wizard) override;
    bool runDialogDesigner(DialogDesigner& designer) override;
    bool runSettingSaver(SettingSaver& saver) override;
    bool runMenuDesigner(MenuDesigner& designer) override;
    void runSqliteTool(SqliteTool& tool) override;
    bool runLayoutToCode(LayoutToCode& model) override;
    void runProgramSettings(ProgramSettings& settings) override;
    void showAbout() override;
    void closeMainWindow() override;

protected:
    bool event(QEvent* event) override;

private:
    Services& m_services;
    RibbonWidget* m_ribbon = nullptr;
    FormViewWidget* m_form = nullptr;
    LookSetting m_look;
};

}  // namespace nakkas
