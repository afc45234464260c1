#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>

#include "app/ribbon_widget.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

constexpr int kSpinner = 6;  // catalogue index

// The creator's rules and messages are the core's ListCreator test; here the dialog's wiring.
TEST(ListCreatorUi, SpinnerOpensTheCreatorConfirmWritesAndCancelChangesNothing) {
    FakeWindow w;
    w.window.show();
    QString countAfterTwo;
    {
        ModalHandler creator([&](QDialog& d) {
            auto& entry = child<QLineEdit>(d, "entry");
            EXPECT_EQ(d.focusWidget(), &entry);  // typing lands in the field at once
            QTest::keyClicks(&entry, "a");
            click(d, "addButton");
            EXPECT_EQ(d.focusWidget(), &entry);  // and after each add
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
    EXPECT_TRUE(
        written.starts_with("final Spinner spinner1 = (Spinner) findViewById(R.id.spinner1);"
                            "\r\nString[] ElemanDizisi={\"a\", \"b\"};\r\n"));
    EXPECT_EQ(w.model().definer().counter(kSpinner), 2);

    int itemsAfterEmptyAdd = -1;
    QStringList left;
    {
        ModalHandler cancel([&](QDialog& d) {
            click(d, "addButton");
            auto& items = child<QListWidget>(d, "items");
            itemsAfterEmptyAdd = items.count();
            for (const char* text : {"x", "y", "z"}) {
                QTest::keyClicks(&child<QLineEdit>(d, "entry"), text);
                click(d, "addButton");
            }
            // "Kaldır" takes the selected item even when it is not the current one.
            items.item(1)->setSelected(true);
            ASSERT_NE(items.currentRow(), 1);
            click(d, "removeButton");
            for (int i = 0; i < items.count(); ++i) left << items.item(i)->text();
            click(d, "cancelButton");
        });
        clickRibbon(w.window, "ID_BUTTON10");
        ASSERT_TRUE(cancel.handled());
    }
    EXPECT_EQ(itemsAfterEmptyAdd, 0);
    EXPECT_EQ(left, (QStringList{QStringLiteral("x"), QStringLiteral("z")}));
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.messages[0].text, "Yazı kutusu boş, listeye eklenecek elemanı yazın");
    EXPECT_EQ(field(w.window, "variableName"), QStringLiteral("spinner2"));  // counter kept
    EXPECT_EQ(w.panel(), written);

    // "ListBox" in the drop-down of "Çoklu Nesne Aracı" is the ListView entry.
    QToolButton* multi = w.window.ribbonWidget().button("RBCokluListeKutusu");
    ASSERT_TRUE(multi && multi->menu());
    auto* listBox = multi->menu()->findChild<QAction*>(QStringLiteral("CokluListe03"));
    ASSERT_NE(listBox, nullptr);
    {
        ModalHandler cancel([](QDialog& d) { click(d, "cancelButton"); });
        listBox->trigger();
        ASSERT_TRUE(cancel.handled());
    }
    EXPECT_EQ(w.model().definer().currentType(), "listView");
    EXPECT_EQ(field(w.window, "idName"), QStringLiteral("listView1"));
    EXPECT_EQ(w.panel(), written);
}

// The settings dialog over a real settings file: what "Kaydet" writes is what the next start
// reads. The question's text and the failure path are the core's ProgramSettings test.
class ProgramSettingsUi : public ::testing::Test {
protected:
    void openSettings(const std::function<void(QDialog&)>& action) {
        window.show();
        ModalHandler settings(action);
        clickRibbon(window, "LN_PROGRAMAYARLARI");
        ASSERT_TRUE(settings.handled());
        EXPECT_EQ(settings.title(), QStringLiteral("Program Ayarları - Program Varsayılanları"));
    }

    Defaults nextStart() {  // what the next start reads from the file
        HostServices fresh(file.toStdString());
        return Defaults::load(fresh);
    }

    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("Nakkas 2012.ini"));
    RecordingQtServices services{file.toStdString()};
    Defaults defaults = Defaults::load(services);
    MainWindow window{services, defaults};
};

TEST_F(ProgramSettingsUi, SaveStoresTheFieldsCancelAndEscapeWriteNothingAndYesRestarts) {
    openSettings([&](QDialog& d) {
        auto& paket = child<QLineEdit>(d, "paketAdi");
        paket.clear();
        QTest::keyClicks(&paket, "com.ornek.deneme");
        child<QLineEdit>(d, "activityAdi").setText(QStringLiteral("GirişEkranı"));
        child<QComboBox>(d, "vtVersiyon").setCurrentIndex(2);
        click<QCheckBox>(d, "kodPaneli");
        click(d, "saveButton");
    });
    EXPECT_EQ(services.messages.size(), 1u);  // the restart question, answered No
    EXPECT_EQ(services.restarts, 0);
    EXPECT_TRUE(window.isVisible());
    const Defaults saved{
        "GirişEkranı", "com.ornek.deneme", "ic_launcher", "Veritabanim.db", "TabloAdim", "3",
        "EVET"};
    EXPECT_EQ(nextStart(), saved);

    // The running record took everything but the version; cancel and Escape keep it.
    const Defaults running = defaults;
    openSettings([&](QDialog& d) {
        EXPECT_EQ(field(d, "paketAdi"), QStringLiteral("com.ornek.deneme"));
        EXPECT_EQ(field(d, "activityAdi"), QStringLiteral("GirişEkranı"));
        EXPECT_EQ(child<QComboBox>(d, "vtVersiyon").currentText(), QStringLiteral("2"));
        EXPECT_TRUE(child<QCheckBox>(d, "kodPaneli").isChecked());
        child<QLineEdit>(d, "paketAdi").setText(QStringLiteral("com.iptal"));
        child<QComboBox>(d, "vtVersiyon").setCurrentIndex(0);
        click<QCheckBox>(d, "kodPaneli");
        click(d, "cancelButton");
    });
    openSettings([](QDialog& d) {
        child<QLineEdit>(d, "activityAdi").setText(QStringLiteral("Vazgecildi"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(defaults, running);
    EXPECT_EQ(nextStart(), saved);

    services.answers = {MessageAnswer::Yes};
    openSettings([](QDialog& d) { click(d, "saveButton"); });
    EXPECT_EQ(services.restarts, 1);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace nakkas::test
