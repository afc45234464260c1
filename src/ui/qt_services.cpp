#include "qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "qt_text.h"

namespace nakkas {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtServices::messageBox(const std::string& text, const std::string& caption,
                                     MessageIcon icon, MessageButtons buttons) {
    QWidget* parent =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent;
    QMessageBox box(
        toQt(icon), qs(caption), qs(text),
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    box.setObjectName(QStringLiteral("messageBox"));
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtServices::openDesktop(const std::string& target) {
    const QString t = qs(target);
    const bool isUrl = t.contains(QStringLiteral("://")) || t.startsWith(QStringLiteral("mailto:"));
    QDesktopServices::openUrl(isUrl ? QUrl(t) : QUrl::fromLocalFile(t));
}

void QtServices::setClipboardText(const std::string& text) {
    if (QClipboard* c = QGuiApplication::clipboard()) c->setText(qs(text));
}

std::string QtServices::clipboardText() {
    QClipboard* c = QGuiApplication::clipboard();
    return c ? us(c->text()) : std::string();
}

std::optional<std::string> QtServices::saveFileDialog(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& proposedName,
                                                      const std::string& defaultSuffix) {
    QFileDialog dialog(m_parent, qs(title), QString(), qs(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(qs(defaultSuffix));
    dialog.selectFile(qs(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return us(dialog.selectedFiles().first());
}

std::optional<OpenedFile> QtServices::openFileDialog(const std::string& title,
                                                     const std::string& filter) {
    const QString path = QFileDialog::getOpenFileName(m_parent, qs(title), QString(), qs(filter));
    if (path.isEmpty()) return std::nullopt;
    return OpenedFile{us(path), us(QFileInfo(path).fileName())};
}

std::optional<std::string> QtServices::folderDialog(const std::string& prompt) {
    // A window title holds one line: the first line of the prompt says what to choose, and the
    // form that asks shows the rest beside its button.
    const QString title = qs(prompt.substr(0, prompt.find_first_of("\r\n")));
    const QString path = QFileDialog::getExistingDirectory(m_parent, title);
    if (path.isEmpty()) return std::nullopt;
    return us(path);
}

}  // namespace nakkas
