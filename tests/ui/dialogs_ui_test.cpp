// The small tools' dialogs and the program settings, opened from the ribbon. Their rules and
// messages are the core models' tests; here the wiring, the focus and the keys.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/ribbon_widget.h"
#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// Typing lands in the entry at once and after each add; "Ekle" is the default button; "Kaldır"
// takes the selected item even when it is not the current one.
TEST(ListCreatorUi, SpinnerOpensTheCreatorAndItsItemsReachThePanel) {
    FakeWindow w;
    openDialog(w.window, "ID_BUTTON10", [&](QDialog& d) {
        auto& entry = child<QLineEdit>(d, "entry");
        auto& items = child<QListWidget>(d, "items");
        EXPECT_EQ(d.focusWidget(), &entry);
        for (const char* text : {"a", "x"}) {
            QTest::keyClicks(&entry, text);
            click(d, "addButton");
            EXPECT_EQ(d.focusWidget(), &entry);
        }
        QTest::keyClicks(&entry, "b");
        QTest::keyClick(&entry, Qt::Key_Return);
        items.item(1)->setSelected(true);
        ASSERT_NE(items.currentRow(), 1);
        click(d, "removeButton");
        click(d, "createButton");
    });
    EXPECT_TRUE(
        w.panel().starts_with("final Spinner spinner1 = (Spinner) findViewById(R.id.spinner1);"
                              "\r\nString[] ElemanDizisi={\"a\", \"b\"};\r\n"));
}

// The fields reach what "Kaydet" stores and the dialog opens on the running values; "İptal Et"
// stores nothing, and Yes to the restart question restarts.
TEST(ProgramSettingsUi, SaveStoresTheFieldsCancelWritesNothingAndYesRestarts) {
    FakeWindow w;
    openDialog(w.window, "LN_PROGRAMAYARLARI", [&](QDialog& d) {
        retype(d, "paketAdi", QStringLiteral("com.ornek.deneme"));
        child<QLineEdit>(d, "activityAdi").setText(QStringLiteral("GirişEkranı"));
        child<QComboBox>(d, "vtVersiyon").setCurrentIndex(2);
        click<QCheckBox>(d, "kodPaneli");
        click(d, "saveButton");
    });
    const Defaults saved{
        "GirişEkranı", "com.ornek.deneme", "ic_launcher", "Veritabanim.db", "TabloAdim", "3",
        "EVET"};
    EXPECT_EQ(Defaults::load(w.services), saved);

    openDialog(w.window, "LN_PROGRAMAYARLARI", [&](QDialog& d) {
        EXPECT_EQ(field(d, "paketAdi"), QStringLiteral("com.ornek.deneme"));
        EXPECT_EQ(child<QComboBox>(d, "vtVersiyon").currentText(), QStringLiteral("2"));
        click<QCheckBox>(d, "kodPaneli");
        click(d, "cancelButton");
    });
    EXPECT_EQ(Defaults::load(w.services), saved);

    w.services.answers = {MessageAnswer::Yes};
    openDialog(w.window, "LN_PROGRAMAYARLARI", [](QDialog& d) { click(d, "saveButton"); });
    EXPECT_EQ(w.services.restarts, 1);
    EXPECT_FALSE(w.window.isVisible());
}

TEST(DialogDesignerUi, YesNoFromTheRibbonWritesWhatWasTyped) {
    FakeWindow w;
    retype(child<QLineEdit>(w.window, "activityName"), QStringLiteral("AnaEkran"));
    openDialog(w.window, "DLGEvetHayir", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "variableName"));
        retype(child<QLineEdit>(d, "title"), QStringLiteral("Çıkış"));
        auto& message = child<QPlainTextEdit>(d, "message");
        retype(message, QStringLiteral("Emin misiniz?"));
        QTest::keyClick(&message, Qt::Key_Return);  // a new line, not "Oluştur"
        typeText(message, QStringLiteral("Kaydedilmedi"));
        child<QLineEdit>(d, "button2").setText(QStringLiteral("Vazgeç"));  // set, not typed
        click(d, "createButton");
    });
    EXPECT_TRUE(w.services.messages.empty());
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("dialog_designer/evet_hayir_yazilan.txt")));
}

// The preview is a real message box over the form, with the typed title as its caption.
TEST(DialogDesignerUi, PreviewShowsARealYesNoBoxWithTheTypedTitleAndText) {
    QTemporaryDir dir;
    QtServices services(dir.filePath(QStringLiteral("ayarlar.ini")).toStdString());
    Defaults defaults = Defaults::factory();
    MainWindow window(services, defaults);
    window.show();
    openDialog(window, "DLGEvetHayir", [&](QDialog& d) {
        retype(child<QLineEdit>(d, "title"), QStringLiteral("Çıkış"));
        ModalHandler box([&](QDialog& b) {
            auto& mb = static_cast<QMessageBox&>(b);
            EXPECT_EQ(mb.windowTitle(), QStringLiteral("Çıkış"));
            EXPECT_EQ(mb.text(), QStringLiteral("Mesajı buraya yazın"));
            EXPECT_EQ(int(mb.standardButtons()), int(QMessageBox::Yes | QMessageBox::No));
            mb.done(QMessageBox::Yes);
        });
        click<QToolButton>(d, "previewButton");
        EXPECT_TRUE(box.handled());
        EXPECT_TRUE(d.isVisible());
        click(d, "cancelButton");
    });
}

TEST(DialogDesignerUi, ToastAsksForTheFlagBeforeWriting) {
    FakeWindow w;
    openDialog(w.window, "DLGToast", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "activityName"));  // first one enabled
        click(d, "createButton");
        EXPECT_TRUE(d.isVisible());
        pickRow(d, "toastFlag", 1);
        click(d, "createButton");
    });
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("dialog_designer/toast_short.txt")));
}

TEST(SettingSaverUi, FromTheRibbonToThePanelAfterTheMissingChoiceWarning) {
    FakeWindow w;
    openDialog(w.window, "DevicePermissinId", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "variableName"));
        click(d, "okButton");
        EXPECT_TRUE(d.isVisible());
        pickRow(d, "dataType", 1);
        pickRow(d, "dataType", 0);
        pickRow(d, "accessMode", 0);
        EXPECT_EQ(field(d, "javaType"), QStringLiteral("int"));
        EXPECT_EQ(field(d, "storageMode"), QStringLiteral("MODE_PRIVATE"));
        click(d, "okButton");
    });
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("setting_saver/tamsayi_ikisi.txt")));
}

void list(QDialog& d, const QString& count) {
    retype(d, "countEdit", count);
    click(d, "listButton");
}

// "İptal" leaves the panel as it was; what a cancelled design keeps is the core's test.
TEST(MenuDesignerUi, RibbonDesignReachesThePanelAfterACancel) {
    FakeWindow w;
    const std::string before = w.panel();
    openDialog(w.window, "KPBtn03", [&](QDialog& d) {
        list(d, QStringLiteral("3"));
        click(d, "cancelButton");
    });
    EXPECT_EQ(w.panel(), before);
    openDialog(w.window, "KPBtn03", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "countEdit"));
        EXPECT_EQ(child<QPushButton>(d, "okButton").text(), QStringLiteral("Oluştur"));
        list(d, QStringLiteral("2"));
        pickRow(d, "itemList", 1);
        EXPECT_EQ(field(d, "titleEdit"), QStringLiteral("Menu ismi 2"));
        retype(d, "titleEdit", QStringLiteral("Sil \"hepsi\""));
        pickRow(d, "itemList", 0);
        retype(d, "titleEdit", QString());
        QTest::keyClick(&child<QLineEdit>(d, "titleEdit"), Qt::Key_Return);  // OK is default
    });
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("menu_designer/empty_and_quoted_titles.txt")));
}

}  // namespace
}  // namespace nakkas::test
