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
#include "icons.h"
#include "platform/services.h"
#include "qt_text.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/menu_designer/menu_designer_dialog.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {

namespace {

constexpr const char* kVideoAddress =
    "https://www.youtube.com/results?search_query=android+tabhost";

QLineEdit* shownOnly(const char* objectName) {
    QLineEdit* e = lineEdit(objectName);
    e->setReadOnly(true);
    return e;
}

QComboBox* comboBox(const char* objectName) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(objectName));
    return c;
}

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

}  // namespace

TabHostWizardDialog::TabHostWizardDialog(TabHostWizard& wizard, Services& services, QWidget* parent)
    : QDialog(parent), m_model(wizard), m_services(services) {
    setObjectName(QStringLiteral("tabHostWizardDialog"));
    setWindowTitle(QStringLiteral("Tab Host Proje Tasarımı"));

    // Tabs: count, list and the chosen tab's fields.
    m_tabCount = lineEdit("tabCount");
    m_tabCount->setToolTip(QStringLiteral("Projedeki tab sayısı, 1 ile 6 arası"));
    m_list = pushButton(QStringLiteral("&Listele"), "listButton",
                        QStringLiteral("Tab sayısını sabitler ve tabları listeler"));
    m_tabs = new QListWidget;
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabs->setToolTip(QStringLiteral("Düzenlenecek tabı seçin"));
    m_tabId = shownOnly("tabId");
    m_serial = shownOnly("serial");
    m_tabActivity = lineEdit("tabActivity");
    m_tabActivity->setToolTip(QStringLiteral("Tabın açacağı Activity sınıfının adı"));
    m_tabTitle = lineEdit("tabTitle");
    m_tabTitle->setToolTip(QStringLiteral("Tabın üzerinde görünen başlık"));
    m_iconName = lineEdit("iconName");
    m_iconName->setToolTip(QStringLiteral("Tab simgesinin drawable adı"));
    m_iconButton = new QToolButton;
    m_iconButton->setObjectName(QStringLiteral("iconButton"));
    m_iconButton->setIcon(programIcon("imageview"));
    m_iconButton->setAccessibleName(QStringLiteral("Simge dosyası seç"));
    m_iconButton->setToolTip(QStringLiteral("Tab için bir PNG simge dosyası seçer"));
    m_scroll = checkBox(QStringLiteral("&ScrollView içine göm"), "scroll");
    m_layoutStyle = comboBox("layoutStyle");

    auto* tabBox = new QGroupBox(QStringLiteral("Tablar"));
    auto* tabGrid = new QGridLayout(tabBox);
    tabGrid->addWidget(buddyLabel(QStringLiteral("&Toplam Tab Sayisi:"), m_tabCount), 0, 0);
    tabGrid->addWidget(m_tabCount, 0, 1);
    tabGrid->addWidget(m_list, 0, 2);
    tabGrid->addWidget(new QLabel(QStringLiteral("Max 1-6")), 1, 1);
    tabGrid->addWidget(buddyLabel(QStringLiteral("T&ablar:"), m_tabs), 2, 0, Qt::AlignTop);
    tabGrid->addWidget(m_tabs, 2, 1, 1, 2);
    tabGrid->addWidget(buddyLabel(QStringLiteral("Tab ID:"), m_tabId), 3, 0);
    tabGrid->addWidget(m_tabId, 3, 1, 1, 2);
    tabGrid->addWidget(buddyLabel(QStringLiteral("Seri:"), m_serial), 4, 0);
    tabGrid->addWidget(m_serial, 4, 1, 1, 2);
    tabGrid->addWidget(buddyLabel(QStringLiteral("A&ctivity Adı: (Boşluksuz)"), m_tabActivity), 5,
                       0);
    tabGrid->addWidget(m_tabActivity, 5, 1, 1, 2);
    tabGrid->addWidget(buddyLabel(QStringLiteral("Tab &Başlığı:"), m_tabTitle), 6, 0);
    tabGrid->addWidget(m_tabTitle, 6, 1, 1, 2);
    tabGrid->addWidget(buddyLabel(QStringLiteral("Simge Adı (R.d&rawable.)"), m_iconName), 7, 0);
    tabGrid->addWidget(m_iconName, 7, 1);
    tabGrid->addWidget(m_iconButton, 7, 2);
    tabGrid->addWidget(buddyLabel(QStringLiteral("Layout Biçim&i:"), m_layoutStyle), 8, 0);
    tabGrid->addWidget(m_layoutStyle, 8, 1, 1, 2);
    tabGrid->addWidget(m_scroll, 9, 1, 1, 2);
    tabGrid->setColumnStretch(1, 1);
    tabGrid->setColumnMinimumWidth(1, 160);

    // The project: hand-over names, options and the fields of the manifest.
    auto* mainActivity = shownOnly("mainActivity");
    auto* variableName = shownOnly("variableName");
    auto* idName = shownOnly("idName");
    mainActivity->setText(qs(m_model.start().activityName));
    variableName->setText(qs(m_model.start().variableName));
    idName->setText(qs(m_model.start().idName));
    m_orientation = comboBox("orientation");
    m_fullScreen = checkBox(QStringLiteral("Tam Ekran Uygulama"), "fullScreen");
    m_appId = lineEdit("applicationId");
    m_windowTitle = lineEdit("windowTitle");
    m_targetVersion = comboBox("targetVersion");
    m_minVersion = comboBox("minVersion");
    for (const std::string_view v : TabHostWizard::kVersions) {
        m_targetVersion->addItem(qs(std::string(v)));
        m_minVersion->addItem(qs(std::string(v)));
    }
    m_package = lineEdit("packageName");
    const char* helpNames[] = {"helpApplicationId", "helpWindowTitle", "helpPackage",
                               "helpVersions"};
    const char* helpAbout[] = {"Uygulama ID", "Pencere Başlığı", "Uygulama Paket Adı",
                               "Versiyonlar"};
    for (size_t i = 0; i < m_helpButtons.size(); ++i) {
        m_helpButtons[i] = pushButton(QStringLiteral("?"), helpNames[i]);
        m_helpButtons[i]->setAccessibleName(QStringLiteral("Yardım: ") +
                                            QString::fromUtf8(helpAbout[i]));
        m_helpButtons[i]->setToolTip(QString::fromUtf8(helpAbout[i]) +
                                     QStringLiteral(" hakkında yardım"));
        m_helpButtons[i]->setMaximumWidth(32);
    }

    auto* startBox = new QGroupBox(QStringLiteral("Başlangıçta Açılacak Tab"));
    auto* startRow = new QHBoxLayout(startBox);
    m_startGroup = new QButtonGroup(this);
    for (int k = 0; k < kMaxTabs; ++k) {
        const QString name = QStringLiteral("Tab%1").arg(k + 1);
        auto* b = new QPushButton(name);
        b->setObjectName(QStringLiteral("startTab%1").arg(k + 1));
        b->setAccessibleName(QStringLiteral("Başlangıç tabı ") + name);
        b->setCheckable(true);
        b->setAutoDefault(false);
        m_startGroup->addButton(b, k);
        startRow->addWidget(b);
        m_startTabs[size_t(k)] = b;
    }

    auto* projectBox = new QGroupBox(QStringLiteral("Proje"));
    auto* projectGrid = new QGridLayout(projectBox);
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* extra = nullptr) {
        projectGrid->addWidget(buddyLabel(label, field), row, 0);
        projectGrid->addWidget(field, row, 1, 1, extra ? 1 : 2);
        if (extra) projectGrid->addWidget(extra, row, 2);
        ++row;
    };
    addRow(QStringLiteral("Activity Adı:"), mainActivity);
    addRow(QStringLiteral("NesneDeğişkeni:"), variableName);
    addRow(QStringLiteral("Nesne Ismi (R.id.):"), idName);
    addRow(QStringLiteral("Orya&ntasyon:"), m_orientation);
    projectGrid->addWidget(m_fullScreen, row++, 1, 1, 2);
    projectGrid->addWidget(startBox, row++, 0, 1, 3);
    addRow(QStringLiteral("&Uygulama ID (Boşluksuz):"), m_appId, m_helpButtons[0]);
    addRow(QStringLiteral("&Pencere Başlığı:"), m_windowTitle, m_helpButtons[1]);
    auto* versions = new QHBoxLayout;
    auto* minLabel = buddyLabel(QStringLiteral("&Min Ver:"), m_minVersion);
    versions->addWidget(m_targetVersion);
    versions->addWidget(minLabel);
    versions->addWidget(m_minVersion);
    projectGrid->addWidget(buddyLabel(QStringLiteral("&Ver:"), m_targetVersion), row, 0);
    projectGrid->addLayout(versions, row, 1);
    projectGrid->addWidget(m_helpButtons[3], row++, 2);
    addRow(QStringLiteral("Uygulama Paket A&dı:"), m_package, m_helpButtons[2]);
    projectGrid->setRowStretch(row, 1);

    // Methods, output folder, menu.
    auto* methodBox = new QGroupBox(QStringLiteral("Kullanılabilir Metodlar:"));
    auto* methodGrid = new QGridLayout(methodBox);
    m_onCreate = checkBox(QStringLiteral("onCreate()"), "onCreate");
    methodGrid->addWidget(m_onCreate, 0, 0);
    for (size_t i = 0; i < std::size(kLifecycleBoxes); ++i) {
        const LifecycleBox& box = kLifecycleBoxes[i];
        QCheckBox* c = checkBox(QString::fromLatin1(box.text), box.objectName);
        c->setToolTip(
            QStringLiteral("Ana Activity'ye %1 metodunu ekler").arg(QString::fromLatin1(box.text)));
        m_lifecycle[size_t(box.method)] = c;
        methodGrid->addWidget(c, int(i + 1) / 2, int(i + 1) % 2);
        const Lifecycle method = box.method;
        connect(c, &QCheckBox::toggled, this, [this, method](bool on) {
            if (!m_redrawing) m_model.setLifecycle(method, on);
        });
    }

    m_folderOption =
        new QRadioButton(QStringLiteral("Dosyaları belirlediğim klasördeki ZEP dizinine ekle"));
    m_folderOption->setObjectName(QStringLiteral("folderOption"));
    m_folderOption->setAccessibleName(m_folderOption->text());
    m_folderOption->setChecked(true);
    m_folderButton = pushButton(QStringLiteral("&Klasör Belirle"), "folderButton",
                                QStringLiteral("Projenin yazılacağı klasörü seçer"));
    m_outputFolder = shownOnly("outputFolder");
    m_outputFolder->setAccessibleName(QStringLiteral("Proje klasörü"));
    m_openWhenDone =
        checkBox(QStringLiteral("Bitirdiğinde derlenen \"Zep\" klasörünü aç"), "openWhenDone");
    auto* folderBox = new QGroupBox(QStringLiteral("Proje Klasörü"));
    auto* folderGrid = new QGridLayout(folderBox);
    folderGrid->addWidget(m_folderOption, 0, 0, 1, 2);
    folderGrid->addWidget(m_folderButton, 1, 0);
    folderGrid->addWidget(m_outputFolder, 1, 1);
    folderGrid->addWidget(m_openWhenDone, 2, 0, 1, 2);

    m_menuFlag = checkBox(QStringLiteral("Pro&grama Menü Ekle"), "menuFlag");
    m_menuFlag->setLayoutDirection(Qt::RightToLeft);  // the text stands left of the box
    m_newMenu = pushButton(QStringLiteral("&Yeni Tasarım"), "newMenuButton",
                           QStringLiteral("Menü maddelerini tasarlar"));
    auto* menuRow = new QHBoxLayout;
    menuRow->addWidget(m_menuFlag);
    menuRow->addWidget(m_newMenu);
    menuRow->addStretch(1);

    auto* warning = new QLabel(QStringLiteral("Önemli: Türkçe karakter kullanmayın !!!"));
    auto* video = pushButton(QStringLiteral("Konu &Hakkında Video Yardım"), "videoLink",
                             QStringLiteral("Konuyla ilgili yardım videosunu tarayıcıda açar"));
    video->setFlat(true);
    video->setAutoDefault(false);
    m_create = pushButton(QStringLiteral("&Oluştur"), "createButton",
                          QStringLiteral("Projeyi klasöre yazar"));
    m_create->setDefault(true);
    auto* cancel = pushButton(QStringLiteral("İptal &Et"), "cancelButton",
                              QStringLiteral("Hiçbir şey yazmadan kapatır"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(video);
    buttons->addStretch(1);
    buttons->addWidget(m_create);
    buttons->addWidget(cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(methodBox);
    right->addWidget(folderBox);
    right->addLayout(menuRow);
    right->addWidget(warning);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(tabBox);
    columns->addWidget(projectBox);
    columns->addLayout(right);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addLayout(buttons);

    // Events go to the model; fields are read whatever changed them.
    connect(m_list, &QPushButton::clicked, this, [this] {
        m_model.tabCountText = us(m_tabCount->text());
        m_model.list();
        redraw();
    });
    connect(m_tabs, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_redrawing || row < 0) return;
        m_model.chooseTab(row);
        redrawTabFields();
    });
    connect(m_tabActivity, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_redrawing) m_model.setActivityName(us(t));
    });
    connect(m_tabTitle, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_redrawing) m_model.setTitle(us(t));
    });
    connect(m_iconName, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_redrawing) m_model.setIconName(us(t));
    });
    connect(m_layoutStyle, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_redrawing) m_model.chooseLayout(i);
    });
    connect(m_scroll, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_redrawing) m_model.setScroll(on);
    });
    connect(m_iconButton, &QToolButton::clicked, this, [this] {
        m_model.pickIcon();
        redrawTabFields();
    });
    connect(m_orientation, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_redrawing) m_model.chooseOrientation(i);
    });
    connect(m_fullScreen, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_redrawing) m_model.setFullScreen(on);
    });
    connect(m_startGroup, &QButtonGroup::idClicked, this, [this](int k) {
        m_model.chooseStartTab(k);
        redraw();
    });
    connect(m_appId, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_redrawing) m_model.project().applicationId = us(t);
    });
    connect(m_windowTitle, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_redrawing) m_model.project().windowTitle = us(t);
    });
    connect(m_package, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_redrawing) m_model.project().packageName = us(t);
    });
    connect(m_targetVersion, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_redrawing) m_model.chooseTargetVersion(i);
    });
    connect(m_minVersion, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_redrawing) m_model.chooseMinVersion(i);
    });
    const TabHostWizard::Help topics[] = {
        TabHostWizard::Help::ApplicationId, TabHostWizard::Help::WindowTitle,
        TabHostWizard::Help::Package, TabHostWizard::Help::Versions};
    for (size_t i = 0; i < m_helpButtons.size(); ++i) {
        const TabHostWizard::Help topic = topics[i];
        connect(m_helpButtons[i], &QPushButton::clicked, this,
                [this, topic] { m_model.help(topic); });
    }
    connect(m_folderOption, &QRadioButton::clicked, this, [this] {
        m_model.chooseFolderOption();
        redraw();
    });
    connect(m_folderButton, &QPushButton::clicked, this, [this] {
        m_model.pickFolder();
        redraw();
    });
    connect(m_openWhenDone, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_redrawing) m_model.project().openWhenDone = on;
    });
    connect(m_menuFlag, &QCheckBox::toggled, this, [this](bool on) {
        if (m_redrawing) return;
        m_model.setMenuFlag(on);
        redraw();
    });
    connect(m_newMenu, &QPushButton::clicked, this, [this] { openMenuDesign(); });
    connect(video, &QPushButton::clicked, this, [this] { m_services.openDesktop(kVideoAddress); });
    connect(m_create, &QPushButton::clicked, this, [this] {
        // Whatever the fields show now is what gets written.
        m_model.project().applicationId = us(m_appId->text());
        m_model.project().windowTitle = us(m_windowTitle->text());
        m_model.project().packageName = us(m_package->text());
        if (m_model.create().ok()) {
            accept();
            return;
        }
        redraw();  // the form is as the user left it
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_tabCount->setText(qs(m_model.tabCountText));
    m_appId->setText(qs(m_model.project().applicationId));
    m_windowTitle->setText(qs(m_model.project().windowTitle));
    m_package->setText(qs(m_model.project().packageName));
    redraw();
    m_tabCount->setFocus();
}

void TabHostWizardDialog::redraw() {
    m_redrawing = true;
    const bool listed = m_model.listed();
    const TabHostProject& p = m_model.project();

    m_tabCount->setEnabled(!listed);
    m_list->setEnabled(!listed);
    if (listed && m_tabs->count() == 0) {
        for (const std::string& line : m_model.tabLines()) m_tabs->addItem(qs(line));
        for (const std::string_view o : TabHostWizard::kOrientations)
            m_orientation->addItem(qs(std::string(o)));
        for (const std::string_view s : kLayoutStyles) m_layoutStyle->addItem(qs(std::string(s)));
        m_layoutStyle->setCurrentIndex(-1);
    }
    m_orientation->setCurrentIndex(listed ? p.orientation : -1);
    for (int k = 0; k < kMaxTabs; ++k) {
        m_startTabs[size_t(k)]->setVisible(listed && k < p.tabCount);
        m_startTabs[size_t(k)]->setChecked(k == p.startTab);
    }
    m_fullScreen->setChecked(p.fullScreen);
    m_targetVersion->setCurrentIndex(m_model.targetVersionIndex());
    m_minVersion->setCurrentIndex(m_model.minVersionIndex());
    m_onCreate->setChecked(listed);
    m_onCreate->setEnabled(false);
    for (int i = 0; i < kLifecycleCount; ++i) {
        m_lifecycle[size_t(i)]->setChecked(p.lifecycle[size_t(i)]);
        m_lifecycle[size_t(i)]->setEnabled(listed);
    }
    m_outputFolder->setText(qs(p.outputFolder));
    m_openWhenDone->setChecked(p.openWhenDone);
    m_menuFlag->setChecked(p.menuFlag);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_orientation, m_fullScreen, m_appId, m_windowTitle, m_targetVersion, m_minVersion,
             m_package, m_folderOption, m_openWhenDone, m_menuFlag, m_create})
        w->setEnabled(listed);
    for (QPushButton* b : m_helpButtons) b->setEnabled(listed);
    m_folderButton->setEnabled(m_model.folderButtonEnabled());
    m_newMenu->setEnabled(m_model.menuDesignEnabled());
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
    int style = -1;
    for (size_t i = 0; tab && i < kLayoutStyles.size(); ++i)
        if (tab->layoutStyle == kLayoutStyles[i]) style = int(i);
    m_layoutStyle->setCurrentIndex(style);
    for (QWidget* w : std::initializer_list<QWidget*>{m_tabActivity, m_tabTitle, m_iconName,
                                                      m_scroll, m_layoutStyle})
        w->setEnabled(m_model.tabFieldsEnabled());
    m_iconButton->setEnabled(m_model.iconPickerEnabled());
    m_redrawing = false;
}

void TabHostWizardDialog::openMenuDesign() {
    m_model.newMenuDesign();
    MenuDesigner designer(m_services, m_model.menu(), MenuDesignMode::TabActi);
    MenuDesignerDialog dialog(designer, m_services, this);
    // However the dialog went away without its OK button, the design counts as cancelled.
    if (dialog.exec() != QDialog::Accepted || !designer.confirmed()) designer.cancel();
}

}  // namespace nakkas
