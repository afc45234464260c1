#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"

namespace nakkas::test {

// Records every message box and answers Yes/No questions from a queue (No when it runs dry).
struct MessageScript {
    struct Message {
        std::string text, caption;
        MessageIcon icon{};
        MessageButtons buttons{};
    };
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;

    MessageAnswer record(const std::string& text, const std::string& caption, MessageIcon icon,
                         MessageButtons buttons) {
        messages.push_back({text, caption, icon, buttons});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::No;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    // The last message box, or a default one when none was shown.
    Message lastMessage() const { return messages.empty() ? Message{} : messages.back(); }
};

// A scripted stand-in for the desktop: settings live in memory, no file dialog is answered, and
// the file system is empty and read-only.
class FakeServices : public Services, public MessageScript {
public:
    std::map<std::pair<std::string, std::string>, std::string> strings;
    std::vector<std::string> writeLog;  // "section/name=value" in write order
    bool storeWritable = true;
    std::vector<std::string> opened;
    std::string clipboard;
    bool canRestart = true;
    int restarts = 0;

    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) override {
        return record(text, caption, icon, buttons);
    }
    std::optional<std::string> readString(const std::string& section,
                                          const std::string& name) override {
        const auto it = strings.find({section, name});
        return it == strings.end() ? std::nullopt : std::optional(it->second);
    }
    void writeString(const std::string& section, const std::string& name,
                     const std::string& value) override {
        strings[{section, name}] = value;
        writeLog.push_back(section + "/" + name + "=" + value);
    }
    int readInt(const std::string&, int fallback) override { return fallback; }
    void writeInt(const std::string&, int) override {}
    bool commitSettings() override { return storeWritable; }
    std::string settingsLocation() const override {
        return "/home/kullanici/.config/Pelvan/Nakkas 2012.ini";
    }
    void openDesktop(const std::string& target) override { opened.push_back(target); }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    std::string clipboardText() override { return clipboard; }
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
    bool startNewInstance() override {
        if (canRestart) ++restarts;
        return canRestart;
    }
};

}  // namespace nakkas::test
