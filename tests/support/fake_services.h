#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"

namespace nakkas::test {

// A scripted stand-in for the desktop: records every message box and answers Yes/No questions
// from a queue (No when the queue is empty), keeps settings and the clipboard in memory.
class FakeServices : public Services {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;

    std::map<std::pair<std::string, std::string>, std::string> strings;
    std::map<std::string, int> ints;
    std::vector<std::string> writeLog;  // "section/name=value" in write order
    bool storeWritable = true;

    std::vector<std::string> opened;
    std::string clipboard;

    bool canRestart = true;
    int restarts = 0;

    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<std::string> readString(const std::string& section,
                                          const std::string& name) override;
    void writeString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    int readInt(const std::string& name, int fallback) override;
    void writeInt(const std::string& name, int value) override;
    bool commitSettings() override { return storeWritable; }
    std::string settingsLocation() const override { return "/home/kullanici/.config/Pelvan/Nakkas 2012.ini"; }
    void openDesktop(const std::string& target) override { opened.push_back(target); }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    std::string clipboardText() override { return clipboard; }
    // No file dialog is answered and the file system is empty and read-only.
    std::optional<std::string> saveFileDialog(const std::string&, const std::string&,
                                              const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<OpenedFile> openFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> folderDialog(const std::string&) override { return std::nullopt; }
    bool pathExists(const std::string&) override { return false; }
    bool createFolder(const std::string&) override { return false; }
    bool copyFileNoOverwrite(const std::string&, const std::string&) override { return false; }
    bool moveFolderToTrash(const std::string&) override { return false; }
    bool writeFile(const std::string&, const std::string&) override { return false; }
    bool startNewInstance() override;

    // The last message box, or a default one when none was shown.
    Message lastMessage() const { return messages.empty() ? Message{} : messages.back(); }
};

}  // namespace nakkas::test
