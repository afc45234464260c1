#pragma once

#include <QString>

#include <memory>
#include <string>

#include "platform/services.h"

class QSettings;

namespace nakkas {

// The services that Qt Core can give: the per-user settings store, files, the trash and the
// restart. Message boxes go to standard error and questions are answered No; the window's
// services derive from this and replace the interactive parts.
class HostServices : public Services {
public:
    // The per-user INI file of "Pelvan" / "Nakkas 2012", or the given file. Nothing is read until
    // a value is asked for, so work that needs no stored value never touches the file.
    HostServices();
    explicit HostServices(const std::string& settingsFile);
    ~HostServices() override;

    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) override;

    std::optional<std::string> readString(const std::string& section,
                                          const std::string& name) override;
    void writeString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    int readInt(const std::string& name, int fallback) override;
    void writeInt(const std::string& name, int value) override;
    bool commitSettings() override;
    std::string settingsLocation() const override;

    void openDesktop(const std::string& target) override;
    void setClipboardText(const std::string&) override {}
    std::string clipboardText() override { return {}; }
    std::optional<std::string> saveFileDialog(const std::string&, const std::string&,
                                              const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<OpenedFile> openFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> folderDialog(const std::string&) override { return std::nullopt; }

    bool pathExists(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    bool copyFileNoOverwrite(const std::string& source, const std::string& target) override;
    bool moveFolderToTrash(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
    std::optional<std::string> createFreshFolder(const std::string& parent,
                                                 const std::string& prefix) override;
    bool renameFolder(const std::string& from, const std::string& to) override;
    bool removeTree(const std::string& path) override;
    bool startNewInstance() override;

    // True when the store was read without trouble; a corrupt or unreadable file reads as empty.
    bool settingsReadable() const;
    // True once something has read or written the store.
    bool settingsOpened() const { return m_opened; }

protected:
    // Told once, when the file exists but cannot be read or parsed: every value then reads as its
    // factory value. The command line says so on standard error.
    virtual void settingsUnreadable(const std::string& location) const;

private:
    // The open store; null when the path holds something other than a regular file (a FIFO would
    // block the reader, a device would never end).
    QSettings* store() const;
    QSettings* storeForWriting();

    QString m_path;
    mutable std::unique_ptr<QSettings> m_settings;
    mutable bool m_opened = false;
    mutable bool m_readable = true;
    mutable bool m_junk = false;  // the file held bytes no text file holds
};

}  // namespace nakkas
