#include "fake_services.h"

namespace nakkas::test {

MessageAnswer FakeServices::messageBox(const std::string& text, const std::string& caption,
                                       MessageIcon icon, MessageButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> FakeServices::readString(const std::string& section,
                                                    const std::string& name) {
    auto it = strings.find({section, name});
    if (it == strings.end()) return std::nullopt;
    return it->second;
}

void FakeServices::writeString(const std::string& section, const std::string& name,
                               const std::string& value) {
    strings[{section, name}] = value;
    writeLog.push_back(section + "/" + name + "=" + value);
}

int FakeServices::readInt(const std::string& name, int fallback) {
    auto it = ints.find(name);
    return it == ints.end() ? fallback : it->second;
}

void FakeServices::writeInt(const std::string& name, int value) {
    ints[name] = value;
    writeLog.push_back(name + "=" + std::to_string(value));
}

bool FakeServices::commitSettings() {
    ++commits;
    return storeWritable;
}

template <typename T>
static std::optional<T> next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto a = queue.front();
    queue.pop_front();
    return a;
}

std::optional<std::string> FakeServices::saveFileDialog(const std::string&, const std::string&,
                                                        const std::string&, const std::string&) {
    return next(saveAnswers);
}

std::optional<OpenedFile> FakeServices::openFileDialog(const std::string&, const std::string&) {
    return next(openAnswers);
}

std::optional<std::string> FakeServices::folderDialog(const std::string&) {
    return next(folderAnswers);
}

bool FakeServices::pathExists(const std::string& path) {
    return folders.count(path) > 0 || files.count(path) > 0;
}

bool FakeServices::createFolder(const std::string& path) {
    return folders.insert(path).second;
}

bool FakeServices::copyFileNoOverwrite(const std::string& source, const std::string& target) {
    auto it = files.find(source);
    if (it == files.end() || files.count(target) > 0) return false;
    files[target] = it->second;
    return true;
}

bool FakeServices::moveFolderToTrash(const std::string& path) {
    if (!trashWorks || folders.erase(path) == 0) return false;
    const std::string prefix = path + "/";
    for (auto it = folders.begin(); it != folders.end();)
        it = it->rfind(prefix, 0) == 0 ? folders.erase(it) : std::next(it);
    for (auto it = files.begin(); it != files.end();)
        it = it->first.rfind(prefix, 0) == 0 ? files.erase(it) : std::next(it);
    trashed.push_back(path);
    return true;
}

bool FakeServices::writeFile(const std::string& path, const std::string& bytes) {
    if (!filesWritable) return false;
    files[path] = bytes;
    return true;
}

bool FakeServices::startNewInstance() {
    if (!canRestart) return false;
    ++restarts;
    return true;
}

}  // namespace nakkas::test
