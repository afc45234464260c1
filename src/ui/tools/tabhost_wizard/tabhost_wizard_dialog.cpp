#include "tabhost_wizard_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "form_widgets.h"
#include "qt_text.h"
#include "tools/menu_designer/menu_designer_dialog.h"

namespace nakkas {

namespace {

using Help = TabHostWizard::Help;

// The form's lifecycle boxes in the order they stand, with their place in the model's order.
struct LifecycleBox {
    const char* text;
    const char* objectName;
    Lifecycle method;
};
constexpr LifecycleBox kLifecycleBoxes[] = {
    {"onStart()", "onStart", Lifecycle::Start},
    {"onResume()", "onResume", Lifecycle::Resume},
    {"onPause()", "onPause", Lifecycle::Pause},
    {"onStop()", "onStop", Lifecycle::Stop},
    {"onRestart()", "onRestart", Lifecycle::Restart},
    {"onDestroy()", "onDestroy", Lifecycle::Destroy},
};

// The "?" buttons, in the order of TabHostWizard::Help.
struct HelpButton {
    const char* objectName;
    const char* about;
};
constexpr HelpButton kHelpButtons[] = {
    {"helpApplicationId", "Uygulama ID"},
    {"helpWindowTitle", "Pencere Başlığı"},
    {"helpPackage", "Uygulama Paket Adı"},
    {"helpVersions", "Versiyonlar"},
};

// The chosen start tab must stand out from the others in every look, not merely look pressed.
constexpr const char* kStartTabStyle =
    "QPushButton:checked { background-color: palette(highlight); color: palette(highlighted-text);"
    " font-weight: bold; border: 1px solid palette(highlighted-text); border-radius: 3px;"
    " padding: 4px 8px; }";

}  // namespace

TabHostWizardDialog::TabHostWizardDialog(TabHostWizard& wizard, QWidget* parent)
    : QDialog(parent), m_model(wizard) {
    setObjectName(QStringLiteral("tabHostWizardDialog"));
    setWindowTitle(QStringLiteral("Tab Host Proje Tasarımı"));

    auto* right = new QVBoxLayout;
    right->addWidget(buildMethodBox());
    right->addWidget(buildFolderBox());
    right->addLayout(buildMenuRow());
    right->addWidget(new QLabel(QStringLiteral("Önemli: Türkçe karakter kullanmayın !!!")));
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildTabBox());
    columns->addWidget(buildProjectBox());
    columns->addLayout(right);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addLayout(buildButtonRow());

    connectEvents();
    m_tabCount->setText(qs(m_model.tabCountText));
    m_appId->setText(qs(m_model.project().applicationId));
    m_windowTitle->setText(qs(m_model.project().windowTitle));
    m_package->setText(qs(m_model.project().packageName));
    redraw();
    m_tabCount->setFocus();
}

QGroupBox* TabHostWizardDialog::buildTabBox() {
    m_tabCount = lineEdit("tabCount");
    m_tabCount->setToolTip(QStringLiteral("Projedeki tab sayısı, 1 ile 6 arası"));
    m_list = pushButton(QStringLiteral("&Listele"), "listButton",
                        QStringLiteral("Tab sayısını sabitler ve tabları listeler"));
    m_tabs = choiceList("tabs");
    m_tabs->setToolTip(QStringLiteral("Düzenlenecek tabı seçin"));
    m_tabId = displayField("tabId");
    m_serial = displayField("serial");
    m_tabActivity = lineEdit("tabActivity");
    m_tabActivity->setToolTip(QStringLiteral("Tabın açacağı Activity sınıfının adı"));
    m_tabTitle = lineEdit("tabTitle");
    m_tabTitle->setToolTip(QStringLiteral("Tabın üzerinde görünen başlık"));
    m_iconName = lineEdit("iconName");
    m_iconName->setToolTip(QStringLiteral("Tab simgesinin drawable adı"));
    m_iconButton = iconPickerButton(QStringLiteral("Tab için bir PNG simge dosyası seçer"));
    m_scroll = checkBox(QStringLiteral("&ScrollView içine göm"), "scroll");
    m_layoutStyle = comboBox("layoutStyle");
    follow(m_tabCount, Control::TabCount);
    follow(m_list, Control::TabCount);
    for (QWidget* w : std::initializer_list<QWidget*>{m_tabActivity, m_tabTitle, m_iconName,
                                                      m_scroll, m_layoutStyle})
        follow(w, Control::TabFields);
    follow(m_iconButton, Control::IconPicker);

    auto* box = new QGroupBox(QStringLiteral("Tablar"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* extra = nullptr) {
        grid->addWidget(buddyLabel(label, field), row, 0, Qt::AlignTop);
        grid->addWidget(field, row, 1, 1, extra ? 1 : 2);
        if (extra) grid->addWidget(extra, row, 2);
        ++row;
    };
    addRow(QStringLiteral("&Toplam Tab Sayisi:"), m_tabCount, m_list);
    grid->addWidget(new QLabel(QStringLiteral("Max 1-6")), row++, 1);
    addRow(QStringLiteral("T&ablar:"), m_tabs);
    addRow(QStringLiteral("Tab ID:"), m_tabId);
    addRow(QStringLiteral("Seri:"), m_serial);
    addRow(QStringLiteral("A&ctivity Adı: (Boşluksuz)"), m_tabActivity);
    addRow(QStringLiteral("Tab &Başlığı:"), m_tabTitle);
    addRow(QStringLiteral("Simge Adı (R.d&rawable.)"), m_iconName, m_iconButton);
    addRow(QStringLiteral("Layout Biçim&i:"), m_layoutStyle);
    grid->addWidget(m_scroll, row, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 160);
    return box;
}

QGroupBox* TabHostWizardDialog::buildProjectBox() {
    const TabHostStart& start = m_model.start();
    auto* mainActivity = displayField("mainActivity");
    auto* variableName = displayField("variableName");
    auto* idName = displayField("idName");
    mainActivity->setText(qs(start.activityName));
    variableName->setText(qs(start.variableName));
    idName->setText(qs(start.idName));
    m_orientation = comboBox("orientation");
    m_fullScreen = checkBox(QStringLiteral("Tam Ekran Uygulama"), "fullScreen");
    m_appId = lineEdit("applicationId");
    m_windowTitle = lineEdit("windowTitle");
    m_targetVersion = comboBox("targetVersion");
    m_minVersion = comboBox("minVersion");
    for (const std::string_view v : TabHostWizard::kVersions) {
        m_targetVersion->addItem(qs(v));
        m_minVersion->addItem(qs(v));
    }
    m_package = lineEdit("packageName");
    for (size_t i = 0; i < m_helpButtons.size(); ++i) {
        const QString about = QString::fromUtf8(kHelpButtons[i].about);
        QPushButton* b = pushButton(QStringLiteral("?"), kHelpButtons[i].objectName,
                                    about + QStringLiteral(" hakkında yardım"));
        b->setAccessibleName(QStringLiteral("Yardım: ") + about);
        b->setMaximumWidth(32);
        m_helpButtons[i] = b;
        follow(b, Control::Project);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_orientation, m_fullScreen, m_appId, m_windowTitle,
                                         m_targetVersion, m_minVersion, m_package})
        follow(w, Control::Project);

    auto* box = new QGroupBox(QStringLiteral("Proje"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* extra = nullptr) {
        grid->addWidget(buddyLabel(label, field), row, 0);
        grid->addWidget(field, row, 1, 1, extra ? 1 : 2);
        if (extra) grid->addWidget(extra, row, 2);
        ++row;
    };
    addRow(QStringLiteral("Activity Adı:"), mainActivity);
    addRow(QStringLiteral("NesneDeğişkeni:"), variableName);
    addRow(QStringLiteral("Nesne Ismi (R.id.):"), idName);
    addRow(QStringLiteral("Orya&ntasyon:"), m_orientation);
    grid->addWidget(m_fullScreen, row++, 1, 1, 2);
    grid->addWidget(buildStartBox(), row++, 0, 1, 3);
    addRow(QStringLiteral("&Uygulama ID (Boşluksuz):"), m_appId,
           m_helpButtons[size_t(Help::ApplicationId)]);
    addRow(QStringLiteral("&Pencere Başlığı:"), m_windowTitle,
           m_helpButtons[size_t(Help::WindowTitle)]);
    auto* versions = new QHBoxLayout;
    versions->addWidget(m_targetVersion);
    versions->addWidget(buddyLabel(QStringLiteral("&Min Ver:"), m_minVersion));
    versions->addWidget(m_minVersion);
    grid->addWidget(buddyLabel(QStringLiteral("&Ver:"), m_targetVersion), row, 0);
    grid->addLayout(versions, row, 1);
    grid->addWidget(m_helpButtons[size_t(Help::Versions)], row++, 2);
    addRow(QStringLiteral("Uygulama Paket A&dı:"), m_package, m_helpButtons[size_t(Help::Package)]);
    grid->setRowStretch(row, 1);
    return box;
}

QGroupBox* TabHostWizardDialog::buildStartBox() {
    auto* box = new QGroupBox(QStringLiteral("Başlangıçta Açılacak Tab"));
    auto* row = new QHBoxLayout(box);
    m_startGroup = new QButtonGroup(this);
    for (int k = 0; k < kMaxTabs; ++k) {
        const QString name = QStringLiteral("Tab%1").arg(k + 1);
        auto* b = new QPushButton(name);
        b->setObjectName(QStringLiteral("startTab%1").arg(k + 1));
        b->setAccessibleName(QStringLiteral("Başlangıç tabı ") + name);
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setStyleSheet(QString::fromLatin1(kStartTabStyle));
        m_startGroup->addButton(b, k);
        row->addWidget(b);
        m_startTabs[size_t(k)] = b;
    }
    return box;
}

QGroupBox* TabHostWizardDialog::buildMethodBox() {
    auto* box = new QGroupBox(QStringLiteral("Kullanılabilir Metodlar:"));
    auto* grid = new QGridLayout(box);
    m_onCreate = checkBox(QStringLiteral("onCreate()"), "onCreate");
    follow(m_onCreate, Control::OnCreate);
    grid->addWidget(m_onCreate, 0, 0);
    for (size_t i = 0; i < std::size(kLifecycleBoxes); ++i) {
        const LifecycleBox& entry = kLifecycleBoxes[i];
        QCheckBox* c = checkBox(QString::fromLatin1(entry.text), entry.objectName);
        c->setToolTip(QStringLiteral("Ana Activity'ye %1 metodunu ekler")
                          .arg(QString::fromLatin1(entry.text)));
        m_lifecycle[size_t(entry.method)] = c;
        follow(c, Control::Lifecycle);
        grid->addWidget(c, int(i + 1) / 2, int(i + 1) % 2);
    }
    return box;
}

QGroupBox* TabHostWizardDialog::buildFolderBox() {
    m_folderOption =
        new QRadioButton(QStringLiteral("Dosyaları belirlediğim klasördeki ZEP dizinine ekle"));
    m_folderOption->setObjectName(QStringLiteral("folderOption"));
    m_folderOption->setAccessibleName(m_folderOption->text());
    m_folderOption->setChecked(true);
    // The form's only option stays chosen: a lone radio button could otherwise be unchecked
    // through its accessibility action, which the form has no meaning for.
    (new QButtonGroup(this))->addButton(m_folderOption);
    m_folderButton = pushButton(QStringLiteral("&Klasör Belirle"), "folderButton",
                                QStringLiteral("Projenin yazılacağı klasörü seçer"));
    m_outputFolder = displayField("outputFolder");
    m_outputFolder->setAccessibleName(QStringLiteral("Proje klasörü"));
    m_openWhenDone =
        checkBox(QStringLiteral("Bitirdiğinde derlenen \"Zep\" klasörünü aç"), "openWhenDone");
    follow(m_folderOption, Control::FolderOption);
    follow(m_folderButton, Control::FolderButton);
    follow(m_openWhenDone, Control::OpenWhenDone);

    auto* box = new QGroupBox(QStringLiteral("Proje Klasörü"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(m_folderOption, 0, 0, 1, 2);
    grid->addWidget(m_folderButton, 1, 0);
    grid->addWidget(m_outputFolder, 1, 1);
    auto* warning = new QLabel(qs(TabHostWizard::kFolderWarning));
    warning->setWordWrap(true);
    grid->addWidget(warning, 2, 0, 1, 2);
    grid->addWidget(m_openWhenDone, 3, 0, 1, 2);
    return box;
}

QLayout* TabHostWizardDialog::buildMenuRow() {
    m_menuFlag = checkBox(QStringLiteral("Pro&grama Menü Ekle"), "menuFlag");
    m_menuFlag->setLayoutDirection(Qt::RightToLeft);  // the text stands left of the box
    m_newMenu = pushButton(QStringLiteral("&Yeni Tasarım"), "newMenuButton",
                           QStringLiteral("Menü maddelerini tasarlar"));
    follow(m_menuFlag, Control::MenuFlag);
    follow(m_newMenu, Control::NewMenuDesign);
    auto* row = new QHBoxLayout;
    row->addWidget(m_menuFlag);
    row->addWidget(m_newMenu);
    row->addStretch(1);
    return row;
}

QLayout* TabHostWizardDialog::buildButtonRow() {
    m_create = pushButton(QStringLiteral("&Oluştur"), "createButton",
                          QStringLiteral("Projeyi klasöre yazar"));
    m_create->setDefault(true);
    follow(m_create, Control::Create);
    m_cancel = cancelButton(QStringLiteral("İptal &Et"));
    auto* video = helpVideoLink("videoLink",
                                QStringLiteral("Konuyla ilgili yardım videosunu tarayıcıda açar"),
                                this, [this] { m_model.openHelpVideo(); });
    return buttonRow({m_create, m_cancel}, video);
}

// Events go to the model; fields are read whatever changed them, and a redraw's own changes
// are not events.
void TabHostWizardDialog::connectEvents() {
    const auto text = [this](QLineEdit* edit, auto set) {
        connect(edit, &QLineEdit::textChanged, this, [this, set](const QString& t) {
            if (!m_redrawing) set(us(t));
        });
    };
    const auto flag = [this](QCheckBox* box, auto set, bool redrawAfter = false) {
        connect(box, &QCheckBox::toggled, this, [this, set, redrawAfter](bool on) {
            if (m_redrawing) return;
            set(on);
            if (redrawAfter) redraw();
        });
    };
    const auto choice = [this](QComboBox* list, auto choose) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, choose](int i) {
            if (!m_redrawing) choose(i);
        });
    };

    connect(m_list, &QPushButton::clicked, this, [this] {
        m_model.tabCountText = us(m_tabCount->text());
        m_model.list();
        redraw();
    });
    // "Listele" disables the focused count box, which sends the focus on into the list and makes
    // its first line current; only the user's own pick chooses a tab.
    const auto chooseTab = [this](std::size_t row) {
        m_model.chooseTab(int(row));
        redrawTabFields();
    };
    onPick(m_tabs, this, chooseTab, [this] { return m_redrawing; });
    text(m_tabActivity, [this](std::string t) { m_model.setActivityName(std::move(t)); });
    text(m_tabTitle, [this](std::string t) { m_model.setTitle(std::move(t)); });
    text(m_iconName, [this](std::string t) { m_model.setIconName(std::move(t)); });
    text(m_appId, [this](std::string t) { m_model.setApplicationId(std::move(t)); });
    text(m_windowTitle, [this](std::string t) { m_model.setWindowTitle(std::move(t)); });
    text(m_package, [this](std::string t) { m_model.setPackageName(std::move(t)); });
    choice(m_layoutStyle, [this](int i) { m_model.chooseLayout(i); });
    choice(m_orientation, [this](int i) { m_model.chooseOrientation(i); });
    choice(m_targetVersion, [this](int i) { m_model.chooseTargetVersion(i); });
    choice(m_minVersion, [this](int i) { m_model.chooseMinVersion(i); });
    flag(m_scroll, [this](bool on) { m_model.setScroll(on); });
    flag(m_fullScreen, [this](bool on) { m_model.setFullScreen(on); });
    flag(m_openWhenDone, [this](bool on) { m_model.setOpenWhenDone(on); });
    flag(
        m_menuFlag, [this](bool on) { m_model.setMenuFlag(on); }, true);
    for (size_t i = 0; i < m_lifecycle.size(); ++i)
        flag(m_lifecycle[i], [this, i](bool on) { m_model.setLifecycle(Lifecycle(i), on); });
    connect(m_iconButton, &QToolButton::clicked, this, [this] {
        m_model.pickIcon();
        redrawTabFields();
    });
    connect(m_startGroup, &QButtonGroup::idToggled, this, [this](int k, bool checked) {
        if (m_redrawing || !checked) return;
        m_model.chooseStartTab(k);
        redraw();
    });
    for (size_t i = 0; i < m_helpButtons.size(); ++i)
        connect(m_helpButtons[i], &QPushButton::clicked, this,
                [this, i] { m_model.help(Help(i)); });
    connect(m_folderOption, &QRadioButton::toggled, this, [this](bool on) {
        if (m_redrawing || !on) return;
        m_model.chooseFolderOption();
        redraw();
    });
    connect(m_folderButton, &QPushButton::clicked, this, [this] {
        m_model.pickFolder();
        redraw();
    });
    connect(m_newMenu, &QPushButton::clicked, this, &TabHostWizardDialog::designMenu);
    connect(m_create, &QPushButton::clicked, this, [this] {
        if (m_model.create().ok()) {
            accept();
            return;
        }
        redraw();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TabHostWizardDialog::redraw() {
    m_redrawing = true;
    const bool listed = m_model.listed();
    const TabHostProject& p = m_model.project();

    if (listed && m_tabs->count() == 0) {
        for (const std::string& line : m_model.tabLines()) m_tabs->addItem(qs(line));
        for (const std::string_view o : TabHostWizard::kOrientations) m_orientation->addItem(qs(o));
        for (const std::string_view s : kLayoutStyles) m_layoutStyle->addItem(qs(s));
    }
    m_orientation->setCurrentIndex(listed ? p.orientation : -1);
    for (int k = 0; k < kMaxTabs; ++k) {
        m_startTabs[size_t(k)]->setVisible(m_model.startTabShown(k));
        m_startTabs[size_t(k)]->setChecked(k == p.startTab);
    }
    m_fullScreen->setChecked(p.fullScreen);
    m_targetVersion->setCurrentIndex(m_model.targetVersionIndex());
    m_minVersion->setCurrentIndex(m_model.minVersionIndex());
    m_onCreate->setChecked(m_model.onCreateChecked());
    for (size_t i = 0; i < m_lifecycle.size(); ++i) m_lifecycle[i]->setChecked(p.lifecycle[i]);
    m_outputFolder->setText(qs(p.outputFolder));
    m_openWhenDone->setChecked(p.openWhenDone);
    m_menuFlag->setChecked(p.menuFlag);
    m_redrawing = false;
    redrawTabFields();
}

void TabHostWizardDialog::redrawTabFields() {
    m_redrawing = true;
    const TabRecord* tab = m_model.selectedRecord();
    m_tabId->setText(qs(m_model.tabIdText()));
    m_serial->setText(qs(m_model.serialText()));
    m_tabActivity->setText(tab ? qs(tab->activityName) : QString());
    m_tabTitle->setText(tab ? qs(tab->title) : QString());
    m_iconName->setText(tab ? qs(tab->iconName) : QString());
    m_scroll->setChecked(tab && tab->scroll);
    m_layoutStyle->setCurrentIndex(m_model.layoutStyleIndex());
    for (const auto& [widget, control] : m_enabling) widget->setEnabled(m_model.enabled(control));
    m_redrawing = false;
}

void TabHostWizardDialog::designMenu() {
    m_model.designMenu([this](MenuDesigner& designer) {
        MenuDesignerDialog dialog(designer, this);
        return dialog.exec() == QDialog::Accepted;
    });
}

}  // namespace nakkas
