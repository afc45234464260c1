#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
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

// An in-memory file system: folders, files with their bytes, and failures injected per path.
// Paths are plain strings joined with '/'; a path's parent must exist for it to be created.
struct MemoryFileSystem {
    std::set<std::string> folders{"/"};
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> cannotCreate;        // folders or files whose creation fails
    std::set<std::string> cannotCopy;          // copy targets that fail
    std::set<std::string> trashFails;          // folders that cannot be moved to the trash
    std::set<std::string> cannotRename;        // rename targets that fail
    std::vector<std::string> trashed;          // folders moved to the trash, in order
    int freshFolders = 0;                      // fresh folders made so far; numbers their names

    static std::string parentOf(const std::string& path) {
        const auto slash = path.find_last_of('/');
        if (slash == std::string::npos) return {};
        return slash == 0 ? "/" : path.substr(0, slash);
    }
    bool exists(const std::string& path) const {
        return folders.count(path) > 0 || files.count(path) > 0;
    }
    bool createFolder(const std::string& path) {
        if (folders.count(path)) return true;
        if (files.count(path) || cannotCreate.count(path) || !folders.count(parentOf(path)))
            return false;
        folders.insert(path);
        return true;
    }
    bool writeFile(const std::string& path, const std::string& bytes) {
        if (folders.count(path) || cannotCreate.count(path) || !folders.count(parentOf(path)))
            return false;
        files[path] = bytes;
        return true;
    }
    bool copyNoOverwrite(const std::string& source, const std::string& target) {
        const auto src = files.find(source);
        if (src == files.end() || exists(target) || cannotCopy.count(target) ||
            !folders.count(parentOf(target)))
            return false;
        files[target] = src->second;
        return true;
    }
    bool moveToTrash(const std::string& path) {
        if (!folders.count(path) || trashFails.count(path)) return false;
        erase(path);
        trashed.push_back(path);
        return true;
    }
    // Fresh folders are numbered: "<parent>/<prefix>1", "<parent>/<prefix>2"...
    std::optional<std::string> createFreshFolder(const std::string& parent,
                                                 const std::string& prefix) {
        const std::string path =
            (parent == "/" ? "" : parent) + "/" + prefix + std::to_string(++freshFolders);
        if (!createFolder(path)) return std::nullopt;
        return path;
    }
    bool rename(const std::string& from, const std::string& to) {
        if (!folders.count(from) || exists(to) || cannotRename.count(to) ||
            !folders.count(parentOf(to)))
            return false;
        std::set<std::string> movedFolders;
        std::map<std::string, std::string> movedFiles;
        const auto moved = [&](const std::string& p) { return to + p.substr(from.size()); };
        for (const std::string& f : folders)
            if (f == from || f.starts_with(from + "/")) movedFolders.insert(moved(f));
        for (const auto& [p, bytes] : files)
            if (p.starts_with(from + "/")) movedFiles[moved(p)] = bytes;
        erase(from);
        folders.merge(movedFolders);
        files.merge(movedFiles);
        return true;
    }
    bool removeTree(const std::string& path) {
        if (!folders.count(path)) return false;
        erase(path);
        return true;
    }
    void erase(const std::string& folder) {
        const std::string prefix = folder + "/";
        std::erase_if(folders,
                      [&](const std::string& f) { return f == folder || f.starts_with(prefix); });
        std::erase_if(files, [&](const auto& f) { return f.first.starts_with(prefix); });
    }
    // Every file under root, by its path relative to root.
    std::map<std::string, std::string> filesUnder(const std::string& root) const {
        std::map<std::string, std::string> out;
        const std::string prefix = root + "/";
        for (const auto& [path, bytes] : files)
            if (path.starts_with(prefix)) out[path.substr(prefix.size())] = bytes;
        return out;
    }
};

// A scripted stand-in for the desktop: settings live in memory, the file system is in memory,
// and file dialogs answer from queues (cancel when a queue runs dry).
class FakeServices : public Services, public MessageScript {
public:
    std::map<std::pair<std::string, std::string>, std::string> strings;
    std::map<std::string, int> ints;
    std::vector<std::string> writeLog;  // "section/name=value" or "name=number" in write order
    bool storeWritable = true;
    std::vector<std::string> opened;
    std::string clipboard;
    bool canRestart = true;
    int restarts = 0;

    MemoryFileSystem fs;
    std::deque<std::optional<std::string>> savePaths;  // next save-file dialog answers
    std::deque<std::optional<OpenedFile>> openFiles;   // next open-file dialog answers
    std::deque<std::optional<std::string>> folders;    // next folder dialog answers
    struct DialogCall {
        std::string kind, title, filter;
        std::string proposedName, suffix;  // of a save-file dialog
    };
    std::vector<DialogCall> dialogs;  // every file dialog shown, in order

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
    int readInt(const std::string& name, int fallback) override {
        const auto it = ints.find(name);
        return it == ints.end() ? fallback : it->second;
    }
    void writeInt(const std::string& name, int value) override {
        ints[name] = value;
        writeLog.push_back(name + "=" + std::to_string(value));
    }
    bool commitSettings() override { return storeWritable; }
    std::string settingsLocation() const override {
        return "/home/kullanici/.config/Pelvan/Nakkas 2012.ini";
    }
    void openDesktop(const std::string& target) override { opened.push_back(target); }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    std::string clipboardText() override { return clipboard; }
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string& filter,
                                              const std::string& proposedName,
                                              const std::string& suffix) override {
        dialogs.push_back({"save", title, filter, proposedName, suffix});
        return next(savePaths);
    }
    std::optional<OpenedFile> openFileDialog(const std::string& title,
                                             const std::string& filter) override {
        dialogs.push_back({"open", title, filter, {}, {}});
        return next(openFiles);
    }
    std::optional<std::string> folderDialog(const std::string& prompt) override {
        dialogs.push_back({"folder", prompt, {}, {}, {}});
        return next(folders);
    }
    bool pathExists(const std::string& path) override { return fs.exists(path); }
    bool createFolder(const std::string& path) override { return fs.createFolder(path); }
    bool copyFileNoOverwrite(const std::string& source, const std::string& target) override {
        return fs.copyNoOverwrite(source, target);
    }
    bool moveFolderToTrash(const std::string& path) override { return fs.moveToTrash(path); }
    bool writeFile(const std::string& path, const std::string& bytes) override {
        return fs.writeFile(path, bytes);
    }
    std::optional<std::string> createFreshFolder(const std::string& parent,
                                                 const std::string& prefix) override {
        return fs.createFreshFolder(parent, prefix);
    }
    bool renameFolder(const std::string& from, const std::string& to) override {
        return fs.rename(from, to);
    }
    bool removeTree(const std::string& path) override { return fs.removeTree(path); }
    bool startNewInstance() override {
        if (canRestart) ++restarts;
        return canRestart;
    }

private:
    template <class T>
    static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

}  // namespace nakkas::test
