#pragma once

#include <optional>
#include <string>

#include "platform/services.h"

namespace nakkas::bench {

// A desktop that answers at once: Yes to questions, a fixed path to the save dialog, and a
// disk that keeps the last file in memory.
class QuietServices : public Services {
public:
    std::string lastFile;
    MessageAnswer messageBox(const std::string&, const std::string&, MessageIcon,
                             MessageButtons b) override {
        return b == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::optional<std::string> readString(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void writeString(const std::string&, const std::string&, const std::string&) override {}
    int readInt(const std::string&, int fallback) override { return fallback; }
    void writeInt(const std::string&, int) override {}
    bool commitSettings() override { return true; }
    std::string settingsLocation() const override { return {}; }
    void openDesktop(const std::string&) override {}
    void setClipboardText(const std::string&) override {}
    std::string clipboardText() override { return {}; }
    std::optional<std::string> saveFileDialog(const std::string&, const std::string&,
                                              const std::string&, const std::string&) override {
        return "/tmp/DatabaseHelper.java";
    }
    std::optional<OpenedFile> openFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> folderDialog(const std::string&) override { return std::nullopt; }
    bool pathExists(const std::string&) override { return false; }
    bool createFolder(const std::string&) override { return true; }
    bool copyFileNoOverwrite(const std::string&, const std::string&) override { return true; }
    bool moveFolderToTrash(const std::string&) override { return true; }
    bool writeFile(const std::string&, const std::string& bytes) override {
        lastFile = bytes;
        return true;
    }
    std::optional<std::string> createFreshFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool renameFolder(const std::string&, const std::string&) override { return false; }
    bool removeTree(const std::string&) override { return false; }
    bool startNewInstance() override { return false; }
};

}  // namespace nakkas::bench
