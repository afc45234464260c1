#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <functional>
#include <utility>

#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

TEST(DialogDesignerUi, YesNoFromTheRibbonWritesWhatWasTyped) {
    FakeWindow w;
    w.window.show();
    retype(child<QLineEdit>(w.window, "activityName"), QStringLiteral("AnaEkran"));
    const QString caption = openDialog(w.window, "DLGEvetHayir", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "variableName"));
        EXPECT_EQ(unnamedControls(d), QStringList());
        retype(child<QLineEdit>(d, "title"), QStringLiteral("Çıkış"));
        auto& message = child<QPlainTextEdit>(d, "message");
        retype(message, QStringLiteral("Emin misiniz?"));
        QTest::keyClick(&message, Qt::Key_Return);  // a new line, not "Oluştur"
        typeText(message, QStringLiteral("Kaydedilmedi"));
        child<QLineEdit>(d, "button2").setText(QStringLiteral("Vazgeç"));  // set, not typed
        click(d, "createButton");
    });
    EXPECT_EQ(caption, QStringLiteral("Dialog Tasarımı"));
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

TEST(DialogDesignerUi, ToastAsksForTheFlagAndCancelLeavesThePanelAlone) {
    FakeWindow w;
    w.window.show();
    const std::string before = w.panel();
    openDialog(w.window, "DLGToast", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "activityName"));  // first one enabled
        click(d, "createButton");
        EXPECT_TRUE(d.isVisible());
        pickRow(d, "toastFlag", 1);
        click<QToolButton>(d, "clearAllButton");
        EXPECT_EQ(field(d, "title"), QString());
        click(d, "cancelButton");
    });
    EXPECT_EQ(w.services.messages.size(), 1u);  // no flag picked
    EXPECT_EQ(w.panel(), before);

    // The flag picked before the cancel holds in the next opening, whose list shows nothing.
    openDialog(w.window, "DLGToast", [&](QDialog& d) {
        EXPECT_TRUE(child<QListWidget>(d, "toastFlag").selectedItems().isEmpty());
        click(d, "createButton");
    });
    EXPECT_EQ(w.services.messages.size(), 1u);
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("dialog_designer/toast_short.txt")));
}

TEST(SettingSaverUi, FromTheRibbonToThePanelAfterTheMissingChoiceWarningAndACancel) {
    FakeWindow w;
    w.window.show();
    const QString caption = openDialog(w.window, "DevicePermissinId", [&](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QLineEdit>(d, "variableName"));
        EXPECT_EQ(unnamedControls(d), QStringList());
        click(d, "okButton");
        EXPECT_TRUE(d.isVisible());
        pickRow(d, "dataType", 1);
        pickRow(d, "dataType", 0);
        pickRow(d, "accessMode", 0);
        EXPECT_EQ(field(d, "javaType"), QStringLiteral("int"));
        EXPECT_EQ(field(d, "storageMode"), QStringLiteral("MODE_PRIVATE"));
        click(d, "okButton");
    });
    EXPECT_EQ(caption, QStringLiteral("Sistem Ayar Kaydedici"));
    EXPECT_EQ(w.services.messages.size(), 1u);  // no choice made
    const std::string saved = w.panel();
    EXPECT_TRUE(sameText(saved, readDataCrLf("setting_saver/tamsayi_ikisi.txt")));

    // A later opening's edits go nowhere when it is cancelled.
    openDialog(w.window, "DevicePermissinId", [&](QDialog& d) {
        retype(child<QLineEdit>(d, "variableName"), QStringLiteral("sayac"));
        click<QCheckBox>(d, "writeBlock");
        click(d, "cancelButton");
    });
    EXPECT_EQ(w.panel(), saved);
    EXPECT_EQ(w.services.messages.size(), 1u);
}

}  // namespace
}  // namespace nakkas::test
