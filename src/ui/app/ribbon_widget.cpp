#include "ribbon_widget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/menu_button.h"
#include "icons.h"
#include "qt_text.h"

namespace nakkas {

namespace {

// Panels with more elements than this show small buttons in three rows.
constexpr size_t kLargeButtonLimit = 3;

QIcon icon(std::string_view name) {
    return programIcon(name);
}

QString richTip(const RibbonElement& e) {
    if (e.tipTitle.empty()) return qs(e.label);
    return QStringLiteral("<b>%1</b><br>%2")
        .arg(qs(e.tipTitle).toHtmlEscaped(), qs(e.tipText).toHtmlEscaped());
}

QString plainTip(const RibbonElement& e) {
    return e.tipTitle.empty() ? QString() : qs(e.tipTitle) + QStringLiteral(": ") + qs(e.tipText);
}

}  // namespace

RibbonWidget::RibbonWidget(QWidget* parent) : QWidget(parent), m_keyTips(ribbon()) {
    setObjectName(QStringLiteral("ribbon"));
    const Ribbon& r = ribbon();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(2, 2, 4, 0);
    m_appButton = new MenuButton;
    m_appButton->setObjectName(QStringLiteral("applicationButton"));
    m_appButton->setIcon(icon("nakkas"));
    m_appButton->setIconSize(QSize(22, 22));
    m_appButton->setAutoRaise(true);
    m_appButton->setAccessibleName(QStringLiteral("Uygulama Menüsü"));
    m_appButton->setToolTip(QStringLiteral("Uygulama Menüsü (Alt, Q)"));
    m_appMenu = makeMenu(r.applicationMenu, m_appButton);
    m_appMenu->setObjectName(QStringLiteral("applicationMenu"));
    m_appButton->setMenu(m_appMenu);
    tabRow->addWidget(m_appButton);

    m_tabs = new QTabBar;
    m_tabs->setObjectName(QStringLiteral("ribbonTabs"));
    m_tabs->setAccessibleName(QStringLiteral("Şerit Kategorileri"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    for (const auto& c : r.categories) m_tabs->addTab(qs(c.title));
    tabRow->addWidget(m_tabs);
    tabRow->addStretch(1);

    for (const RibbonElement& choice : r.tabRowChoices) {
        auto* b = makeButton(choice, false);
        // Words only: the tab row must keep room for every category's tab.
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_tabRowChoices[&choice] = b;
        tabRow->addWidget(b);
    }
    auto* about = makeButton(r.tabRowElement, false);
    about->setObjectName(QStringLiteral("tabRowAbout"));
    about->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tabRow->addWidget(about);
    layout->addLayout(tabRow);

    m_pages = new QStackedWidget;
    // A slightly smaller face lets the widest category fit the window, as on a ribbon.
    QFont small = m_pages->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_pages->setFont(small);
    m_pages->setObjectName(QStringLiteral("ribbonPages"));
    // Only the first category is built at start; the others when they are first shown.
    m_pageButtons.resize(r.categories.size());
    for (size_t i = 0; i < r.categories.size(); ++i) m_pages->addWidget(new QWidget);
    m_built.assign(r.categories.size(), false);
    ensurePage(0);
    layout->addWidget(m_pages);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int i) {
        ensurePage(i);
        m_pages->setCurrentIndex(i);
    });

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    qApp->installEventFilter(this);
}

RibbonWidget::~RibbonWidget() {
    if (qApp) qApp->removeEventFilter(this);
}

void RibbonWidget::ensurePage(int index) {
    if (index < 0 || size_t(index) >= m_built.size() || m_built[size_t(index)]) return;
    m_built[size_t(index)] = true;
    QWidget* placeholder = m_pages->widget(index);
    const bool current = m_pages->currentIndex() == index;
    m_pages->insertWidget(index, buildPage(size_t(index)));
    m_pages->removeWidget(placeholder);
    placeholder->deleteLater();
    if (current) m_pages->setCurrentIndex(index);
}

QWidget* RibbonWidget::buildPage(size_t index) {
    const RibbonCategory& category = ribbon().categories[index];
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ribbonPage"));
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    auto& buttons = m_pageButtons[index];

    for (size_t p = 0; p < category.panels.size(); ++p) {
        const auto& panel = category.panels[p];
        if (p > 0) {
            auto* sep = new QFrame;
            sep->setFrameShape(QFrame::VLine);
            sep->setFrameShadow(QFrame::Sunken);
            row->addWidget(sep);
        }
        auto* box = new QWidget;
        box->setAccessibleName(qs(panel.title));
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(1);
        auto* grid = new QGridLayout;
        grid->setSpacing(0);
        const bool large = panel.elements.size() <= kLargeButtonLimit;
        for (size_t i = 0; i < panel.elements.size(); ++i) {
            auto* b = makeButton(panel.elements[i], large);
            buttons[&panel.elements[i]] = b;
            if (large)
                grid->addWidget(b, 0, int(i));
            else
                grid->addWidget(b, int(i % 3), int(i / 3));
        }
        v->addLayout(grid, 1);
        auto* title = new QLabel(qs(panel.title));
        title->setAlignment(Qt::AlignCenter);
        title->setObjectName(QStringLiteral("panelTitle"));
        QPalette pal = title->palette();
        pal.setColor(QPalette::WindowText, pal.color(QPalette::Disabled, QPalette::WindowText));
        title->setPalette(pal);
        v->addWidget(title);
        row->addWidget(box);
    }
    row->addStretch(1);
    return page;
}

QToolButton* RibbonWidget::makeButton(const RibbonElement& e, bool large) {
    QToolButton* b = e.dropDown.empty() ? new QToolButton : new MenuButton;
    b->setObjectName(qs(e.id));
    b->setText(qs(e.label));
    b->setAccessibleName(qs(e.label));
    b->setAccessibleDescription(plainTip(e));
    b->setToolTip(richTip(e));
    b->setIcon(icon(e.icon));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    if (large) {
        // Long labels of big buttons take two lines, as on a ribbon.
        QString text = qs(e.label);
        if (text.size() > 9 && text.contains(QLatin1Char(' ')))
            text[text.lastIndexOf(QLatin1Char(' '))] = QLatin1Char('\n');
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(32, 32));
        b->setMinimumWidth(64);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    } else {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(16, 16));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    if (!e.dropDown.empty()) {
        b->setMenu(makeMenu(e.dropDown, b));
    } else if (e.checkable) {
        // One pressed button per command kind. The state, not the click, is what counts, so a
        // screen reader's toggle chooses as a click does.
        QButtonGroup*& group = m_groups[e.command.kind];
        if (!group) group = new QButtonGroup(this);
        group->addButton(b);
        b->setCheckable(true);
        b->setChecked(m_pressed.count(e.command.kind) && m_pressed[e.command.kind] == e.command);
        const RibbonElement* element = &e;
        connect(b, &QToolButton::toggled, this, [this, element](bool on) {
            if (on && !m_showingPressed) activate(*element);
        });
    } else {
        const RibbonElement* element = &e;
        connect(b, &QToolButton::clicked, this, [this, element] { activate(*element); });
    }
    return b;
}

QMenu* RibbonWidget::makeMenu(const std::vector<RibbonElement>& entries, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setToolTipsVisible(true);
    for (const auto& e : entries) {
        if (e.separator) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(icon(e.icon), qs(e.label));
        a->setObjectName(qs(e.id));
        if (!e.tipTitle.empty()) a->setToolTip(richTip(e));
        const RibbonElement* element = &e;
        connect(a, &QAction::triggered, this, [this, element] { activate(*element); });
    }
    return menu;
}

void RibbonWidget::showPressed(const Command& command) {
    m_pressed[command.kind] = command;
    m_showingPressed = true;
    const auto show = [&](const std::map<const RibbonElement*, QToolButton*>& buttons) {
        for (const auto& [element, button] : buttons)
            if (element->checkable && element->command.kind == command.kind)
                button->setChecked(element->command == command);
    };
    show(m_tabRowChoices);
    for (const auto& page : m_pageButtons) show(page);
    m_showingPressed = false;
}

void RibbonWidget::activate(const RibbonElement& element) {
    emit commandTriggered(element.command);
}

int RibbonWidget::currentCategory() const {
    return m_tabs->currentIndex();
}

void RibbonWidget::setCurrentCategory(int index) {
    m_tabs->setCurrentIndex(index);
}

QToolButton* RibbonWidget::button(std::string_view elementId) {
    auto* b = findChild<QToolButton*>(qs(elementId));
    if (b) return b;
    for (int i = 0; i < int(m_built.size()); ++i) ensurePage(i);
    return findChild<QToolButton*>(qs(elementId));
}

QLabel* RibbonWidget::badge(const QString& text, QWidget* over) {
    QWidget* top = window();
    auto* l = new QLabel(text, top);
    l->setObjectName(QStringLiteral("keyTip"));
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral(
        "QLabel { background: #fffbe0; color: #222; border: 1px solid #8a7a3a; border-radius: 3px;"
        " padding: 0px 3px; font-weight: bold; }"));
    l->adjustSize();
    const QPoint at = over->mapTo(top, QPoint(over->width() / 2, over->height() - l->height() / 2));
    l->move(at.x() - l->width() / 2, at.y() - l->height() / 2);
    l->show();
    l->raise();
    m_badges.push_back(l);
    return l;
}

void RibbonWidget::showTips() {
    hideTips();
    const Ribbon& r = ribbon();
    if (m_keyTips.mode() == KeyTips::Mode::Categories) {
        badge(qs(r.applicationKeyTip), m_appButton);
        for (const auto& [element, button] : m_tabRowChoices) badge(qs(element->keyTip), button);
        QWidget* top = window();
        for (int i = 0; i < int(r.categories.size()); ++i) {
            if (r.categories[size_t(i)].keyTip.empty()) continue;
            QLabel* l = badge(qs(r.categories[size_t(i)].keyTip), m_tabs);
            const QRect tab = m_tabs->tabRect(i);
            const QPoint at = m_tabs->mapTo(top, tab.center() + QPoint(0, tab.height() / 2));
            l->move(at.x() - l->width() / 2, at.y() - l->height() / 2);
        }
    } else if (m_keyTips.mode() == KeyTips::Mode::Elements) {
        const int c = m_keyTips.category();
        for (const auto& [element, button] : m_pageButtons[size_t(c)])
            if (!element->keyTip.empty()) badge(qs(element->keyTip), button);
    }
}

void RibbonWidget::hideTips() {
    for (QLabel* l : m_badges) l->deleteLater();
    m_badges.clear();
}

bool RibbonWidget::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::MouseButtonPress)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != window() || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return false;

    if (type == QEvent::MouseButtonPress) {
        if (m_keyTips.mode() != KeyTips::Mode::Off) {
            m_keyTips.leave();
            hideTips();
        }
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        if (key->key() == Qt::Key_Alt && m_altPending && !key->isAutoRepeat()) {
            m_altPending = false;
            m_keyTips.alt();
            showTips();
            return true;
        }
        return false;
    }
    // Key press.
    if (key->key() == Qt::Key_Alt) {
        m_altPending = key->modifiers() == Qt::AltModifier || key->modifiers() == Qt::NoModifier;
        return false;
    }
    m_altPending = false;
    if (m_keyTips.mode() == KeyTips::Mode::Off) return false;
    if (key->key() == Qt::Key_Escape) {
        m_keyTips.escape();
        showTips();
        return true;
    }
    const QString text = key->text().toUpper();
    if (text.isEmpty()) return true;
    const auto effect = m_keyTips.type(us(text));
    if (!effect.handled) return true;
    if (effect.openCategory) setCurrentCategory(*effect.openCategory);
    showTips();
    if (effect.openApplicationMenu) QTimer::singleShot(0, m_appButton, &QToolButton::showMenu);
    if (const RibbonElement* e = effect.element) {
        if (!e->dropDown.empty()) {
            if (QToolButton* b = m_pageButtons[size_t(currentCategory())][e])
                QTimer::singleShot(0, b, &QToolButton::showMenu);
        } else {
            // Leave the key handler before a modal dialog opens.
            const RibbonElement* element = e;
            QTimer::singleShot(0, this, [this, element] { activate(*element); });
        }
    }
    return true;
}

}  // namespace nakkas
