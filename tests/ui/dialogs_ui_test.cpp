#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "app/ribbon_widget.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

void click(QObject& parent, const char* name) {
    QTest::mouseClick(&child<QPushButton>(parent, name), Qt::LeftButton);
}

QString field(QObject& parent, const char* name) { return child<QLineEdit>(parent, name).text(); }

constexpr int kSpinner = 6;  // catalogue index

TEST(ListCreatorUi, SpinnerOpensTheCreatorAtOnceAndWritesTheConfirmedItems) {
    FakeWindow w;
    w.window.show();
    QString countAfterTwo;
    {
        ModalHandler creator([&](QDialog& d) {
            auto& entry = child<QLineEdit>(d, "entry");
            QTest::keyClicks(&entry, "a");
            click(d, "addButton");
            QTest::keyClicks(&entry, "b");
            QTest::keyClick(&entry, Qt::Key_Return);  // "Ekle" is the default button
            countAfterTwo = child<QLabel>(d, "countLabel").text();
            click(d, "createButton");
        });
        clickRibbon(w.window, "ID_BUTTON10");
        ASSERT_TRUE(creator.handled());
        EXPECT_EQ(creator.title(), QStringLiteral("Liste Elemanı Oluşturucu"));
    }
    EXPECT_EQ(countAfterTwo, QStringLiteral("Toplam 2 eleman var"));
    const std::string written = w.panel();
    EXPECT_EQ(written.rfind("final Spinner spinner1 = (Spinner) findViewById(R.id.spinner1);\r\n"
                            "String[] ElemanDizisi={\"a\", \"b\"};\r\n",
                            0),
              0u);
    EXPECT_EQ(field(w.window, "variableName"), QStringLiteral("spinner1"));
    EXPECT_EQ(w.model().definer().counter(kSpinner), 2);

    {
        ModalHandler cancel([](QDialog& d) { click(d, "cancelButton"); });
        clickRibbon(w.window, "ID_BUTTON10");
        ASSERT_TRUE(cancel.handled());
    }
    EXPECT_EQ(field(w.window, "variableName"), QStringLiteral("spinner2"));
    EXPECT_EQ(w.panel(), written);
    EXPECT_EQ(w.model().definer().counter(kSpinner), 2);
}

TEST(ListCreatorUi, EmptyEntryIsRefusedAndCancelChangesNothing) {
    FakeWindow w;
    w.window.show();
    const std::string banner = w.panel();
    int itemsAfterEmptyAdd = -1;
    {
        ModalHandler creator([&](QDialog& d) {
            click(d, "addButton");
            itemsAfterEmptyAdd = child<QListWidget>(d, "items").count();
            QTest::keyClicks(&child<QLineEdit>(d, "entry"), "x");
            click(d, "addButton");
            click(d, "cancelButton");
        });
        clickRibbon(w.window, "ID_BUTTON10");
        ASSERT_TRUE(creator.handled());
    }
    EXPECT_EQ(itemsAfterEmptyAdd, 0);
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.messages[0].text, "Yazı kutusu boş, listeye eklenecek elemanı yazın");
    EXPECT_EQ(w.services.messages[0].caption, "Hata");
    EXPECT_EQ(w.services.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(w.services.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(w.panel(), banner);
    EXPECT_EQ(w.model().definer().counter(kSpinner), 1);
    EXPECT_EQ(field(w.window, "variableName"), QStringLiteral("spinner1"));

    // "ListBox" in the drop-down of "Çoklu Nesne Aracı" is the ListView entry.
    QToolButton* multi = w.window.ribbonWidget().button("RBCokluListeKutusu");
    ASSERT_TRUE(multi && multi->menu());
    auto* listBox = multi->menu()->findChild<QAction*>(QStringLiteral("CokluListe03"));
    ASSERT_NE(listBox, nullptr);
    {
        ModalHandler cancel([](QDialog& d) { click(d, "cancelButton"); });
        listBox->trigger();
        ASSERT_TRUE(cancel.handled());
        EXPECT_EQ(cancel.title(), QStringLiteral("Liste Elemanı Oluşturucu"));
    }
    EXPECT_EQ(w.model().definer().currentType(), "listView");
    EXPECT_EQ(field(w.window, "idName"), QStringLiteral("listView1"));
    EXPECT_EQ(w.panel(), banner);
}

// The settings dialog over a real settings file: what "Kaydet" writes is what the next start reads.
class ProgramSettingsUi : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window.show();
    }

    // Opens the dialog from the ribbon and runs the action on it.
    void openSettings(const std::function<void(QDialog&)>& action) {
        ModalHandler settings(action);
        clickRibbon(window, "LN_PROGRAMAYARLARI");
        ASSERT_TRUE(settings.handled());
        EXPECT_EQ(settings.title(), QStringLiteral("Program Ayarları - Program Varsayılanları"));
    }

    QString stored(const char* name) {
        QSettings ini(file, QSettings::IniFormat);
        return ini.value(QStringLiteral("Varsayilanlar/") + QLatin1String(name)).toString();
    }

    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("Nakkas 2012.ini"));
    RecordingQtServices services{file.toStdString()};
    Defaults defaults = Defaults::load(services);
    MainWindow window{services, defaults};
};

constexpr char kSaveQuestion[] =
    "Değişikliklerin doğru bir biçimde uygulanabilmesi için programın yeniden başlatılması "
    "gerekiyor, program yeniden başlatılsın mı?";

TEST_F(ProgramSettingsUi, SaveStoresTheFieldsButTheVersionWaitsForARestart) {
    QString shownVersion;
    bool shownChecked = true;
    openSettings([&](QDialog& d) {
        shownVersion = child<QComboBox>(d, "vtVersiyon").currentText();
        shownChecked = child<QCheckBox>(d, "kodPaneli").isChecked();
        auto& paket = child<QLineEdit>(d, "paketAdi");
        paket.clear();
        QTest::keyClicks(&paket, "com.ornek.deneme");
        child<QLineEdit>(d, "activityAdi").setText(QStringLiteral("GirişEkranı"));
        child<QComboBox>(d, "vtVersiyon").setCurrentIndex(2);
        QTest::mouseClick(&child<QCheckBox>(d, "kodPaneli"), Qt::LeftButton);
        click(d, "saveButton");
    });
    EXPECT_EQ(shownVersion, QStringLiteral("2"));
    EXPECT_FALSE(shownChecked);

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kSaveQuestion);
    EXPECT_EQ(services.messages[0].caption, "Program Ayarları");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(services.restarts, 0);
    EXPECT_TRUE(window.isVisible());

    EXPECT_EQ(stored("PaketAdi"), QStringLiteral("com.ornek.deneme"));
    EXPECT_EQ(stored("ActivityAdi"), QStringLiteral("GirişEkranı"));
    EXPECT_EQ(stored("SimgeAdi"), QStringLiteral("ic_launcher"));
    EXPECT_EQ(stored("Veritabani"), QStringLiteral("Veritabanim.db"));
    EXPECT_EQ(stored("TabloAdi"), QStringLiteral("TabloAdim"));
    EXPECT_EQ(stored("VTVersiyon"), QStringLiteral("3"));
    EXPECT_EQ(stored("KodPaneli"), QStringLiteral("EVET"));
    EXPECT_EQ(Defaults::load(services).ActivityAdi, "GirişEkranı");

    // The running record took everything but the version.
    openSettings([&](QDialog& d) {
        EXPECT_EQ(field(d, "paketAdi"), QStringLiteral("com.ornek.deneme"));
        EXPECT_EQ(field(d, "activityAdi"), QStringLiteral("GirişEkranı"));
        EXPECT_EQ(child<QComboBox>(d, "vtVersiyon").currentText(), QStringLiteral("2"));
        EXPECT_TRUE(child<QCheckBox>(d, "kodPaneli").isChecked());
        click(d, "cancelButton");
    });
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(stored("VTVersiyon"), QStringLiteral("3"));
}

TEST_F(ProgramSettingsUi, YesToTheRestartStartsANewInstanceAndClosesTheWindow) {
    services.answers = {MessageAnswer::Yes};
    openSettings([](QDialog& d) { click(d, "saveButton"); });
    EXPECT_EQ(services.restarts, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored("KodPaneli"), QStringLiteral("HAYIR"));
}

}  // namespace
}  // namespace nakkas::test
