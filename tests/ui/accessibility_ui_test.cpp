// What a screen reader or a voice-control tool meets: names, labels and actions.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

#include <map>

#include "app/ribbon.h"
#include "app/ribbon_widget.h"
#include "expected_files.h"
#include "qt_text.h"
#include "tools/layout_to_code/layout_to_code_dialog.h"
#include "tools/setting_saver/setting_saver_dialog.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/sqlite_tool/sqlite_tool_dialog.h"
#include "tools/tabhost_wizard/tabhost_wizard_dialog.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

QAccessibleInterface& accessible(QWidget& w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&w);
    if (!iface) throw std::runtime_error("no accessible interface");
    return *iface;
}

// Every dialog the window opens: each ribbon command is run (a tool dialog added later is
// reached the same way) and so is the card button. Whatever modal dialog comes up is walked
// and closed; the layout to code tool is given a layout to read.
TEST(AccessibilityUi, EveryControlOfTheWindowAndOfEachDialogHasAName) {
    FakeWindow w;
    w.services.openFiles = {
        OpenedFile{dataPath("layout_to_code/sample/ana_ekran.xml").string(), "ana_ekran.xml"}};
    auto& tabs = child<QTabBar>(w.window, "ribbonTabs");
    for (int i = 0; i < tabs.count(); ++i) w.window.ribbonWidget().setCurrentCategory(i);
    EXPECT_EQ(unnamedControls(w.window), QStringList{});

    std::map<QString, QStringList> dialogs;  // title -> its unnamed controls
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        dialogs[dialog->windowTitle()] += unnamedControls(*dialog);  // one title, many modes
        dialog->reject();
    });
    poll.start(10);
    for (const RibbonElement* e : allCommandElements()) {
        // These two close the window.
        if (e->command.kind == CommandKind::Reset || e->command.kind == CommandKind::Exit) continue;
        w.window.formView().run(e->command);
    }
    click<QToolButton>(w.window, "cardButton");
    poll.stop();

    for (const char* title :
         {"Dialog Tasarımı", "Layout'tan Kod Üret", "Liste Elemanı Oluşturucu", "Menü Tasarım",
          "Program Ayarları - Program Varsayılanları", "Program Hakkında",
          "SQLite - Veritabanı Aracı", "Sistem Ayar Kaydedici", "Tab Host Proje Tasarımı", "ZEP"})
        EXPECT_EQ(dialogs.count(QString::fromUtf8(title)), 1u) << title;
    for (const auto& [title, unnamed] : dialogs)
        EXPECT_TRUE(unnamed.isEmpty())
            << title.toStdString() << ": " << unnamed.join(QStringLiteral(", ")).toStdString();
}

// A drop-down is announced by its current entry unless a label names it; the status pane by
// the text it shows.
TEST(AccessibilityUi, DropDownsAreLabelledAndTheStatusPaneReadsItsText) {
    FakeWindow w;
    for (const char* name : {"accessModifier", "slotSelector"}) {
        const auto labels =
            accessible(child<QComboBox>(w.window, name)).relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << name;
        EXPECT_EQ(labels[0].first->role(), QAccessible::StaticText) << name;
    }
    EXPECT_EQ(accessible(child<QLabel>(w.window, "statusPane")).text(QAccessible::Name),
              QStringLiteral("Nakkas ... HAZIR"));
}

// The buttons that only open a menu must offer both actions, and each must open it.
TEST(AccessibilityUi, MenuButtonsOpenTheirMenuThroughTheirActions) {
    FakeWindow w;
    w.window.ribbonWidget().setCurrentCategory(1);
    const QStringList both = {QAccessibleActionInterface::showMenuAction(),
                              QAccessibleActionInterface::pressAction()};
    for (const char* name : {"applicationButton", "RBCokluListeKutusu"}) {
        auto& button = child<QToolButton>(w.window.ribbonWidget(), name);
        QAccessibleActionInterface* actions = accessible(button).actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        EXPECT_EQ(actions->actionNames(), both) << name;
        // The menu runs its own loop; look at it from inside and close it.
        for (const QString& action : both) {
            bool opened = false;
            QTimer::singleShot(
                100, [&] { opened = button.menu()->isVisible(), button.menu()->close(); });
            actions->doAction(action);
            EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 3000))
                << name << " " << action.toStdString();
        }
    }
}

// What the model holds for each checkable control, by the control's object name.
using ModelFlags = std::map<QString, std::function<bool()>>;

// Assistive technology changes a check box or a push-like radio button through its toggle action,
// which emits no click. Each checkable control a user can reach is toggled that way twice; after
// each toggle the model must hold what the control shows. Only a control whose state cannot
// change (the one checked radio button) may go without a model flag.
void toggleEachThroughAccessibility(QWidget& root, const ModelFlags& model) {
    for (QAbstractButton* b : root.findChildren<QAbstractButton*>()) {
        if (!b->isCheckable() || !b->isVisible() || !b->isEnabled()) continue;
        const std::string name = b->objectName().toStdString();
        QAccessibleActionInterface* actions = accessible(*b).actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        const auto flag = model.find(b->objectName());
        const bool before = b->isChecked();
        for (int i = 0; i < 2; ++i) {
            actions->doAction(QAccessibleActionInterface::toggleAction());
            if (flag == model.end()) {
                EXPECT_EQ(b->isChecked(), before) << name << " has no model flag";
                continue;
            }
            EXPECT_EQ(flag->second(), b->isChecked()) << name << " toggled " << i + 1 << " times";
        }
    }
}

TEST(AccessibilityUi, TheModelSeesEveryCheckableControlToggledWithoutAClick) {
    FakeServices services;
    {
        FakeWindow w;
        const DefinerForm& f = w.model().definer();
        toggleEachThroughAccessibility(w.window.formView(),
                                       {{"sameAsId", [&] { return f.sameAsId; }},
                                        {"advanceCounter", [&] { return f.advance; }},
                                        {"writeListener", [&] { return f.writeListener; }},
                                        {"writeDeclaration", [&] { return f.writeDeclaration; }}});
    }
    {
        SqliteToolState state{"2"};
        SqliteTool t(services, state, {"Kisiler", "Rehber.db", "com.zep"});
        RecordCommands& rc = t.commands;
        // A key column, chosen in the column list, and one press of every command group make
        // every box usable.
        t.setPrimaryKeyBox(true);
        t.chooseNewType(0);
        t.columnName = "id";
        ASSERT_TRUE(t.addColumn().ok());
        t.chooseColumn(0);
        for (const auto g : {RecordCommands::Insert, RecordCommands::Update, RecordCommands::Show,
                             RecordCommands::Delete}) {
            rc.chooseColumn(g, "id");
            rc.group(g).variable = "deger";
            ASSERT_TRUE(t.pressCommand(g).ok());
        }
        SqliteToolDialog d(t);
        d.show();
        using G = RecordCommands::Group;
        toggleEachThroughAccessibility(
            d, {{"newPrimaryKey", [&] { return t.primaryKeyBox; }},
                {"newNotNull", [&] { return t.notNullBox; }},
                {"newUnique", [&] { return t.uniqueBox; }},
                {"editorNotNull", [&] { return t.editor.notNull; }},
                {"editorUnique", [&] { return t.editor.unique; }},
                {"insertEditText", [&] { return rc.group(G::Insert).editText; }},
                {"updateEditText", [&] { return rc.group(G::Update).editText; }},
                {"showEditText", [&] { return rc.group(G::Show).editText; }},
                {"insertInclude", [&] { return rc.group(G::Insert).included; }},
                {"updateInclude", [&] { return rc.group(G::Update).included; }},
                {"showInclude", [&] { return rc.group(G::Show).included; }},
                {"deleteInclude", [&] { return rc.group(G::Delete).included; }},
                {"insertNotify", [&] { return rc.insertNotify; }},
                {"insertClear", [&] { return rc.insertClear; }},
                {"updateNotify", [&] { return rc.updateNotify; }},
                {"deleteNotify", [&] { return rc.deleteNotify; }},
                {"countRecords", [&] { return rc.countRecords; }}});
    }
    {
        TabHostProject project;
        MenuRecords menu;
        TabHostWizard t(services, project, menu,
                        {"AnaEkran", "tabHost1", "tabHost1", "ic", "com.a"});
        t.tabCountText = "3";
        ASSERT_TRUE(t.list().ok());
        t.chooseTab(1);
        TabHostWizardDialog d(t);
        d.show();
        ModelFlags flags = {{"scroll", [&] { return t.selectedRecord()->scroll; }},
                            {"fullScreen", [&] { return project.fullScreen; }},
                            {"openWhenDone", [&] { return project.openWhenDone; }},
                            {"menuFlag", [&] { return project.menuFlag; }}};
        for (int k = 0; k < 3; ++k)
            flags[QStringLiteral("startTab%1").arg(k + 1)] = [&, k] {
                return project.startTab == k;
            };
        for (int i = 0; i < kLifecycleCount; ++i)
            flags[qs(kLifecycleNames[size_t(i)])] = [&, i] { return project.lifecycle[size_t(i)]; };
        toggleEachThroughAccessibility(d, flags);
    }
    {
        SettingSaverState state;
        SettingSaver saver(state, services, Language::Java, "/yardim");
        SettingSaverDialog d(saver);
        d.show();
        toggleEachThroughAccessibility(d, {{"writeBlock", [&] { return saver.writeBlock; }},
                                           {"readBlock", [&] { return saver.readBlock; }}});
    }
    {
        LayoutOptions options;
        LayoutToCode model(services, options);
        ASSERT_TRUE(model.open(dataPath("layout_to_code/sample/ana_ekran.xml").string()).ok());
        LayoutToCodeDialog d(model);
        d.show();
        toggleEachThroughAccessibility(
            d, {{"writeListeners", [&] { return options.writeListeners; }}});
    }
}

}  // namespace
}  // namespace nakkas::test
