#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "expected_files.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// Types a text key by key; unlike QTest::keyClicks it takes Turkish letters.
void typeText(QWidget& widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces a field's text by typing, as a user would.
void retype(QLineEdit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    typeText(edit, text);
}

// Where the typing goes once the dialog is the active window.
QString focusedField(QDialog& d) {
    if (!QTest::qWaitForWindowActive(&d)) return QStringLiteral("(not active)");
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

void pickRow(QListWidget& list, int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

// The designer's texts and rules are the core's DialogDesigner test; here the wiring of the form.
TEST(DialogDesignerUi, YesNoFromTheRibbonWritesWhatWasTyped) {
    FakeWindow w;
    w.window.show();
    retype(child<QLineEdit>(w.window, "activityName"), QStringLiteral("AnaEkran"));
    QString focused;
    QStringList unnamed;
    {
        ModalHandler designer([&](QDialog& d) {
            focused = focusedField(d);
            unnamed = unnamedControls(d);
            auto& type = child<QComboBox>(d, "dialogType");
            EXPECT_EQ(type.currentText(), QStringLiteral("Evet-Hayır"));
            EXPECT_FALSE(type.isEnabled());
            EXPECT_FALSE(child<QListWidget>(d, "toastFlag").isEnabled());

            retype(child<QLineEdit>(d, "title"), QStringLiteral("Çıkış"));
            auto& message = child<QPlainTextEdit>(d, "message");
            message.selectAll();
            QTest::keyClick(&message, Qt::Key_Delete);
            typeText(message, QStringLiteral("Emin misiniz?"));
            QTest::keyClick(&message, Qt::Key_Return);  // a new line, not "Oluştur"
            typeText(message, QStringLiteral("Kaydedilmedi"));
            child<QLineEdit>(d, "button2").setText(QStringLiteral("Vazgeç"));  // set, not typed
            click(d, "createButton");
        });
        clickRibbon(w.window, "DLGEvetHayir");
        ASSERT_TRUE(designer.handled());
        EXPECT_EQ(designer.title(), QStringLiteral("Dialog Tasarımı"));
    }
    EXPECT_EQ(focused, QStringLiteral("variableName"));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
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
    QString caption, text;
    int buttons = 0;
    bool formOpenAfter = false;
    {
        ModalHandler designer([&](QDialog& d) {
            retype(child<QLineEdit>(d, "title"), QStringLiteral("Çıkış"));
            ModalHandler box([&](QDialog& b) {
                auto& mb = static_cast<QMessageBox&>(b);
                caption = mb.windowTitle();
                text = mb.text();
                buttons = int(mb.standardButtons());
                if (QAbstractButton* yes = mb.button(QMessageBox::Yes))
                    yes->click();
                else
                    mb.reject();
            });
            click<QToolButton>(d, "previewButton");
            EXPECT_TRUE(box.handled());
            formOpenAfter = d.isVisible();
            click(d, "cancelButton");
        });
        clickRibbon(window, "DLGEvetHayir");
        ASSERT_TRUE(designer.handled());
    }
    EXPECT_EQ(caption, QStringLiteral("Çıkış"));
    EXPECT_EQ(text, QStringLiteral("Mesajı buraya yazın"));
    EXPECT_EQ(buttons, int(QMessageBox::Yes | QMessageBox::No));
    EXPECT_TRUE(formOpenAfter);
}

TEST(DialogDesignerUi, ToastAsksForTheFlagAndCancelLeavesThePanelAlone) {
    FakeWindow w;
    w.window.show();
    const std::string before = w.panel();
    QString focused;
    bool openAfterRefusal = false;
    {
        ModalHandler designer([&](QDialog& d) {
            focused = focusedField(d);
            EXPECT_FALSE(child<QLineEdit>(d, "variableName").isEnabled());
            click(d, "createButton");
            openAfterRefusal = d.isVisible();
            pickRow(child<QListWidget>(d, "toastFlag"), 1);
            click<QToolButton>(d, "clearAllButton");
            EXPECT_EQ(field(d, "title"), QString());
            click(d, "cancelButton");
        });
        clickRibbon(w.window, "DLGToast");
        ASSERT_TRUE(designer.handled());
    }
    EXPECT_EQ(focused, QStringLiteral("activityName"));  // the first field the mode enables
    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.lastMessage().text, "Toast Bayrağı parametresini seçmemişsiniz.");
    EXPECT_EQ(w.panel(), before);

    // The flag picked before the cancel holds in the next opening, whose list shows nothing.
    int selectedRows = -1;
    {
        ModalHandler designer([&](QDialog& d) {
            selectedRows = int(child<QListWidget>(d, "toastFlag").selectedItems().size());
            click(d, "createButton");
        });
        clickRibbon(w.window, "DLGToast");
        ASSERT_TRUE(designer.handled());
    }
    EXPECT_EQ(selectedRows, 0);
    EXPECT_EQ(w.services.messages.size(), 1u);
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("dialog_designer/toast_short.txt")));
}

TEST(SettingSaverUi, FromTheRibbonToThePanelAfterTheMissingChoiceWarning) {
    FakeWindow w;
    w.window.show();
    QString focused;
    QStringList unnamed;
    QString mirrors;
    {
        ModalHandler saver([&](QDialog& d) {
            focused = focusedField(d);
            unnamed = unnamedControls(d);
            EXPECT_FALSE(child<QLineEdit>(d, "javaType").isEnabled());
            click(d, "okButton");
            EXPECT_TRUE(d.isVisible());
            pickRow(child<QListWidget>(d, "dataType"), 1);
            pickRow(child<QListWidget>(d, "dataType"), 0);
            pickRow(child<QListWidget>(d, "accessMode"), 0);
            mirrors = field(d, "javaType") + QLatin1Char(' ') + field(d, "storageMode");
            click(d, "okButton");
        });
        clickRibbon(w.window, "DevicePermissinId");
        ASSERT_TRUE(saver.handled());
        EXPECT_EQ(saver.title(), QStringLiteral("Sistem Ayar Kaydedici"));
    }
    EXPECT_EQ(focused, QStringLiteral("variableName"));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
    ASSERT_EQ(w.services.messages.size(), 1u);
    EXPECT_EQ(w.services.lastMessage().text, "Listeden bir veri türü ve Kayıt şekli seçmelisiniz");
    EXPECT_EQ(mirrors, QStringLiteral("int MODE_PRIVATE"));
    EXPECT_TRUE(sameText(w.panel(), readDataCrLf("setting_saver/tamsayi_ikisi.txt")));
}

TEST(SettingSaverUi, CancelLeavesThePanelAlone) {
    FakeWindow w;
    w.window.show();
    const std::string before = w.panel();
    {
        ModalHandler saver([&](QDialog& d) {
            retype(child<QLineEdit>(d, "variableName"), QStringLiteral("sayac"));
            click<QCheckBox>(d, "writeBlock");
            pickRow(child<QListWidget>(d, "dataType"), 0);
            pickRow(child<QListWidget>(d, "accessMode"), 0);
            click(d, "cancelButton");
        });
        clickRibbon(w.window, "DevicePermissinId");
        ASSERT_TRUE(saver.handled());
    }
    EXPECT_EQ(w.panel(), before);
    EXPECT_TRUE(w.services.messages.empty());
}

}  // namespace
}  // namespace nakkas::test
