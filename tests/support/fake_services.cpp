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

bool FakeServices::startNewInstance() {
    if (!canRestart) return false;
    ++restarts;
    return true;
}

}  // namespace nakkas::test
