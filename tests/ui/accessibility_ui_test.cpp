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
// and closed.
TEST(AccessibilityUi, EveryControlOfTheWindowAndOfEachDialogHasAName) {
    FakeWindow w;
    w.window.show();
    auto& tabs = child<QTabBar>(w.window, "ribbonTabs");
    for (int i = 0; i < tabs.count(); ++i) w.window.ribbonWidget().setCurrentCategory(i);
    EXPECT_EQ(unnamedControls(w.window), QStringList{});

    std::map<QString, QStringList> dialogs;  // title -> its unnamed controls
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        dialogs[dialog->windowTitle()] = unnamedControls(*dialog);
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
         {"Liste Elemanı Oluşturucu", "Program Ayarları - Program Varsayılanları",
          "Program Hakkında", "Tab Host Proje Tasarımı", "ZEP"})
        EXPECT_EQ(dialogs.count(QString::fromUtf8(title)), 1u) << title;
    for (const auto& [title, unnamed] : dialogs)
        EXPECT_TRUE(unnamed.isEmpty())
            << title.toStdString() << ": " << unnamed.join(QStringLiteral(", ")).toStdString();
}

// A drop-down is announced by its current entry unless a label names it; the status pane by
// the text it shows.
TEST(AccessibilityUi, DropDownsAreLabelledAndTheStatusPaneReadsItsText) {
    FakeWindow w;
    w.window.show();
    for (const char* name : {"accessModifier", "slotSelector"}) {
        const auto labels =
            accessible(child<QComboBox>(w.window, name)).relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << name;
        EXPECT_EQ(labels[0].first->role(), QAccessible::StaticText) << name;
    }
    EXPECT_EQ(accessible(child<QLabel>(w.window, "statusPane")).text(QAccessible::Name),
              QStringLiteral("Nakkas ... HAZIR"));
}

// The buttons that only open a menu must open it through their accessibility actions too.
TEST(AccessibilityUi, MenuButtonsOpenTheirMenuThroughTheirActions) {
    FakeWindow w;
    w.window.show();
    w.window.ribbonWidget().setCurrentCategory(1);
    for (const char* name : {"applicationButton", "RBCokluListeKutusu"}) {
        auto& button = child<QToolButton>(w.window.ribbonWidget(), name);
        ASSERT_NE(button.menu(), nullptr) << name;
        QAccessibleActionInterface* actions = accessible(button).actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        for (const QString& action : {QAccessibleActionInterface::showMenuAction(),
                                      QAccessibleActionInterface::pressAction()}) {
            EXPECT_TRUE(actions->actionNames().contains(action)) << name;
            // The menu runs its own loop; look at it from inside and close it.
            bool opened = false, closed = false;
            QTimer::singleShot(100, [&] {
                opened = button.menu()->isVisible();
                button.menu()->close();
                closed = true;
            });
            actions->doAction(action);
            ASSERT_TRUE(QTest::qWaitFor([&] { return closed; }, 3000));
            EXPECT_TRUE(opened) << name << " " << action.toStdString();
        }
    }
}

}  // namespace
}  // namespace nakkas::test
