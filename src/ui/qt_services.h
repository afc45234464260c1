#pragma once

#include "host_services.h"

class QWidget;

namespace nakkas {

// The desktop services of the window: Qt message boxes, clipboard, file dialogs and the desktop's
// "open" action, on top of the Qt Core services.
class QtServices : public HostServices {
public:
    using HostServices::HostServices;

    // Message boxes and dialogs are shown over this window.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) override;
    void openDesktop(const std::string& target) override;
    void setClipboardText(const std::string& text) override;
    std::string clipboardText() override;
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string& filter,
                                              const std::string& proposedName,
                                              const std::string& defaultSuffix) override;
    std::optional<OpenedFile> openFileDialog(const std::string& title,
                                             const std::string& filter) override;
    std::optional<std::string> folderDialog(const std::string& prompt) override;

protected:
    // The window starts with the factory values; a save over the path shows the write error.
    void settingsUnreadable(const std::string&) const override {}

private:
    QWidget* m_parent = nullptr;
};

}  // namespace nakkas
