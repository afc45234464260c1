#include "main_window.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include "app/about_dialog.h"
#include "app/form_view_widget.h"
#include "app/looks_palette.h"
#include "app/program_settings_dialog.h"
#include "app/ribbon_widget.h"
#include "icons.h"
#include "platform/services.h"
#include "qt_text.h"
#include "tools/dialog_designer/dialog_designer_dialog.h"
#include "tools/layout_to_code/layout_to_code_dialog.h"
#include "tools/list_wizard/list_creator_dialog.h"
#include "tools/menu_designer/menu_designer_dialog.h"
#include "tools/setting_saver/setting_saver_dialog.h"
#include "tools/sqlite_tool/sqlite_tool_dialog.h"
#include "tools/tabhost_wizard/tabhost_wizard_dialog.h"

namespace nakkas {

MainWindow::MainWindow(Services& services, Defaults& defaults, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_services(services),
      m_look(services) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(qs(kWindowTitle));
    setWindowIcon(programIcon("nakkas"));
    setMinimumSize(kMinWidth, kMinHeight);
    setMaximumSize(kMaxWidth, kMaxHeight);
    resize(kMinWidth, kMinHeight);
    // Before any child exists: a style set later would polish every widget a second time, and
    // the colours the ribbon and the form take from the palette must be the look's.
    applyLook(m_look.current());

    m_ribbon = new RibbonWidget(this);
    setMenuWidget(m_ribbon);
    m_form = new FormViewWidget(services, *this, defaults, this);
    setCentralWidget(m_form);
    connect(m_ribbon, &RibbonWidget::commandTriggered, m_form, &FormViewWidget::run);
    // After the form has run a command: the ribbon shows the language it left.
    const auto showLanguage = [this] {
        m_ribbon->showPressed({CommandKind::OutputLanguage, int(m_form->model().language())});
    };
    connect(m_ribbon, &RibbonWidget::commandTriggered, this, showLanguage);
    showLanguage();
    connect(m_form, &FormViewWidget::cardRequested, this, [this] {
        CardDialog card(this);
        card.exec();
    });

    auto* status = new QLabel(QStringLiteral("Nakkas ... HAZIR"));
    status->setObjectName(QStringLiteral("statusPane"));
    // A screen reader reads the pane's text; its name in the customisation list describes it.
    status->setAccessibleDescription(QStringLiteral("Burası Önesiz"));
    statusBar()->addWidget(status, 1);
}

MainWindow::~MainWindow() = default;

bool MainWindow::event(QEvent* event) {
    // A modal dialog or message box is about to open over the window: whatever the command has
    // changed so far (names proposed before the list item creator opens, a reset before its
    // message) must already show behind it.
    if (event->type() == QEvent::WindowBlocked) m_form->redraw();
    return QMainWindow::event(event);
}

void MainWindow::setLook(int look) {
    if (!m_look.choose(look)) return;
    applyLook(m_look.current());
    m_look.store();
}

bool MainWindow::runListCreator(ListCreator& creator) {
    ListCreatorDialog dialog(creator, this);
    return dialog.exec() == QDialog::Accepted;
}

bool MainWindow::runLayoutToCode(LayoutToCode& model) {
    LayoutToCodeDialog dialog(model, this);
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::runTabHostWizard(TabHostWizard& wizard) {
    TabHostWizardDialog dialog(wizard, this);
    dialog.exec();
}

bool MainWindow::runDialogDesigner(DialogDesigner& designer) {
    DialogDesignerDialog dialog(designer, this);
    return dialog.exec() == QDialog::Accepted;
}

bool MainWindow::runSettingSaver(SettingSaver& saver) {
    SettingSaverDialog dialog(saver, this);
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::runSqliteTool(SqliteTool& tool) {
    SqliteToolDialog dialog(tool, this);
    dialog.exec();
}

bool MainWindow::runMenuDesigner(MenuDesigner& designer) {
    MenuDesignerDialog dialog(designer, this);
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::runProgramSettings(ProgramSettings& settings) {
    ProgramSettingsDialog dialog(settings, this);
    dialog.exec();
}

void MainWindow::showAbout() {
    AboutDialog dialog(m_services, this);
    dialog.exec();
}

void MainWindow::closeMainWindow() {
    close();
}

}  // namespace nakkas
