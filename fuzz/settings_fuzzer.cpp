// The settings store's reading, on any file contents, through the same Qt Core services the
// program uses, and the core's readers of the stored defaults, language and look on top.
//
// The input is the whole settings file. Every stored value the program knows is read, and so is
// every key the file names. Then one value is saved: when the save says it worked, a fresh store
// reads the new value back, and every other value the program knows reads as it did before (a
// save never loses or changes what the user had).

#include <QCoreApplication>
#include <QtGlobal>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/defaults.h"
#include "app/language_setting.h"
#include "app/looks.h"
#include "fuzz_support.h"
#include "host_services.h"

using namespace nakkas;
using nakkas::fuzz::require;

namespace {

// The store says nothing on standard error here: the fuzzer's own output must stay readable.
class QuietServices : public HostServices {
public:
    using HostServices::HostServices;

protected:
    void settingsUnreadable(const std::string&) const override {}
};

using Key = std::pair<std::string, std::string>;

// The values the program itself reads, section and name.
std::vector<Key> knownKeys() {
    std::vector<Key> keys;
    for (const DefaultsField& f : defaultsFields())
        keys.push_back({std::string(kDefaultsSection), std::string(f.name)});
    keys.push_back({std::string(kDefaultsSection), std::string(kLanguageKey)});
    return keys;
}

// Section and key names as the file writes them, so that Qt's key handling is reached.
std::vector<Key> keysNamedIn(std::string_view file) {
    std::vector<Key> keys;
    std::string section;
    for (std::string_view line : fuzz::lines(file)) {
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with('[') && line.ends_with(']')) {
            section = std::string(line.substr(1, line.size() - 2));
        } else if (const auto eq = line.find('=');
                   eq != std::string_view::npos && keys.size() < 32) {
            const std::string name(line.substr(0, eq));
            if (fuzz::wellFormedUtf8(name) && fuzz::wellFormedUtf8(section))
                keys.push_back({section, name});
        }
    }
    return keys;
}

struct Values {
    std::map<Key, std::optional<std::string>> strings;
    int look = 0;
};

Values readAll(Services& s, const std::vector<Key>& keys) {
    Values v;
    for (const Key& k : keys) {
        v.strings[k] = s.readString(k.first, k.second);
        if (v.strings[k])
            require(fuzz::wellFormedUtf8(*v.strings[k]),
                    "a stored value read as bytes that are not UTF-8");
    }
    v.look = s.readInt(std::string(kLookKey), kDefaultLook);
    return v;
}

std::string g_folder;
int g_counter = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // In memory where the machine has it: every save syncs the file to its disk.
    char shm[] = "/dev/shm/nakkas-fuzz-settings-XXXXXX";
    char tmp[] = "/tmp/nakkas-fuzz-settings-XXXXXX";
    const char* folder = mkdtemp(shm) ? shm : mkdtemp(tmp);
    if (!folder) std::abort();
    g_folder = folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 16384) return 0;
    const std::string_view input = fuzz::bytesOf(data, size);
    // A new name each time: Qt keeps parsed files in a cache keyed by name.
    const std::string path = g_folder + "/ayarlar" + std::to_string(++g_counter) + ".ini";
    std::ofstream(path, std::ios::binary).write(input.data(), std::streamsize(input.size()));

    std::vector<Key> keys = knownKeys();
    const std::size_t known = keys.size();
    for (Key& k : keysNamedIn(input)) keys.push_back(std::move(k));

    const std::string saved = "Yeni Tablo; \"x\" = %41 \\ ş";
    {
        QuietServices first(path);
        const Values before = readAll(first, keys);
        const bool readable = first.settingsReadable();
        // The core's readers make sense of whatever the store holds.
        const Defaults defaults = Defaults::load(first);
        for (const DefaultsField& f : defaultsFields())
            require(fuzz::wellFormedUtf8(defaults.*f.member), "a default is not UTF-8");
        LanguageSetting language(first);
        LookSetting look(first);
        require(knownLook(look.current()) == look.current(), "a look that names no style");

        first.writeString(std::string(kDefaultsSection), "TabloAdi", saved);
        if (first.commitSettings()) {
            QuietServices second(path);
            require(second.settingsReadable(), "a saved store reads as unreadable");
            require(second.readString(std::string(kDefaultsSection), "TabloAdi") == saved,
                    "a saved value does not read back");
            if (readable) {
                const Values after = readAll(second, keys);
                for (std::size_t i = 0; i < known; ++i)
                    if (keys[i].second != "TabloAdi")
                        require(after.strings.at(keys[i]) == before.strings.at(keys[i]),
                                "a save changed another stored value", keys[i].second);
                require(after.look == before.look, "a save changed the stored look");
            }
        }
    }
    std::remove(path.c_str());
    return 0;
}
