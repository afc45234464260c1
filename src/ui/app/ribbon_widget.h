#pragma once

#include <QWidget>
#include <map>
#include <vector>

#include "app/key_tips.h"
#include "app/ribbon.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace nakkas {

// The ribbon, built from the core's ribbon table: the application button with its menu, the
// category tabs, "Hakkında" at the right end of the tab row, and the panels of each category.
// Alt shows key tips.
class RibbonWidget : public QWidget {
    Q_OBJECT
public:
    explicit RibbonWidget(QWidget* parent = nullptr);
    ~RibbonWidget() override;

    int currentCategory() const;
    void setCurrentCategory(int index);
    KeyTips::Mode keyTipMode() const { return m_keyTips.mode(); }
    // The button of an element, by element id (the first one when it appears twice).
    QToolButton* button(std::string_view elementId);
    QMenu* applicationMenu() const { return m_appMenu; }
    // Presses the checkable button whose command this is, and releases the others of its kind.
    void showPressed(const Command& command);

signals:
    void commandTriggered(const nakkas::Command& command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensurePage(int index);
    QWidget* buildPage(size_t index);
    QToolButton* makeButton(const RibbonElement& element, bool large);
    QMenu* makeMenu(const std::vector<RibbonElement>& entries, QWidget* parent);
    void activate(const RibbonElement& element);
    void showTips();
    void hideTips();
    QLabel* badge(const QString& text, QWidget* over);

    KeyTips m_keyTips;
    QToolButton* m_appButton = nullptr;
    QMenu* m_appMenu = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    std::vector<std::map<const RibbonElement*, QToolButton*>> m_pageButtons;
    std::map<const RibbonElement*, QToolButton*> m_tabRowChoices;
    std::vector<bool> m_built;
    std::vector<QLabel*> m_badges;
    bool m_altPending = false;
    std::map<CommandKind, QButtonGroup*> m_groups;  // of the checkable buttons, per kind
    std::map<CommandKind, Command> m_pressed;       // also for pages not built yet
    bool m_showingPressed = false;
};

}  // namespace nakkas
