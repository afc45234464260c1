// The command line's option parser and every command, run in this process over the fake desktop
// and in-memory streams.
//
// The input is one argument per line. Leading lines "=SECTION/NAME=VALUE" are stored values the
// run finds in the settings store (UTF-8 ones only: the store's values come through Qt). The layout
// command reads real files: a small layout with its include lies in /tmp/nakkas-fuzz-cli (the seeds
// name it), written there afresh at start.
//
// The properties: the exit status is 0, 1 or 2; nothing is printed on standard output unless it
// is 0; standard error never carries a control character that could steer the terminal; the
// output is UTF-8; and two runs of the same command line give the same result, since the command
// line keeps no state between runs.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_runner.h"
#include "fuzz_support.h"

using namespace nakkas;
using nakkas::fuzz::require;

namespace {

constexpr const char* kLayout =
    "<LinearLayout xmlns:android=\"http://schemas.android.com/apk/res/android\">\n"
    "  <include layout=\"@layout/baslik\" android:id=\"@+id/ust\"/>\n"
    "  <Button android:id=\"@+id/btn_kaydet\"/>\n"
    "  <EditText android:id=\"@+id/edit_ad\"/>\n"
    "  <ListView android:id=\"@android:id/list\"/>\n"
    "  <include layout=\"@layout/yok\"/>\n"
    "</LinearLayout>\n";
constexpr const char* kHeader =
    "<TextView xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
    "    android:id=\"@+id/baslik_metin\"/>\n";

constexpr std::string_view kFolder = "/tmp/nakkas-fuzz-cli";

// Written aside and renamed, so that a target starting beside a running one never reads half.
void write(const std::string& name, const char* text) {
    const std::string path = std::string(kFolder) + "/" + name;
    const std::string aside = path + "." + std::to_string(getpid());
    std::ofstream(aside, std::ios::binary) << text;
    if (std::rename(aside.c_str(), path.c_str()) != 0) std::abort();
}

struct Run {
    std::vector<std::string> args;
    std::vector<std::pair<std::pair<std::string, std::string>, std::string>> stored;
};

Run runOf(std::string_view input) {
    Run run;
    bool leading = true;
    for (const std::string_view line : fuzz::lines(input)) {
        if (leading && line.starts_with('=')) {
            const auto slash = line.find('/'), eq = line.find('=', 1);
            // Stored values come through Qt, which gives UTF-8 only.
            if (slash != std::string_view::npos && eq != std::string_view::npos && slash < eq &&
                fuzz::wellFormedUtf8(line)) {
                run.stored.push_back({{std::string(line.substr(1, slash - 1)),
                                       std::string(line.substr(slash + 1, eq - slash - 1))},
                                      std::string(line.substr(eq + 1))});
                continue;
            }
        }
        leading = false;
        run.args.emplace_back(line);
    }
    return run;
}

test::CliRun runOnce(const Run& run) {
    test::FakeServices services;
    services.fs.folders.insert({"/ev", "/ev/projeler", "/ev/resimler"});
    services.fs.files["/ev/resimler/kedi.png"] = "PNG kedi";
    for (const auto& [key, value] : run.stored) services.strings[key] = value;
    return test::runCli(services, run.args);
}

// A byte that a terminal takes as a command rather than a character: C0 but the line breaks and
// tab, DEL, and C1 in its UTF-8 form.
bool steersTerminal(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::mkdir(std::string(kFolder).c_str(), 0755);
    write("ana.xml", kLayout);
    write("baslik.xml", kHeader);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192) return 0;
    const Run run = runOf(fuzz::bytesOf(data, size));
    // No argument of a real command line holds a NUL: the C strings of argv end there.
    for (const std::string& arg : run.args)
        if (arg.find('\0') != std::string::npos) return 0;
    const test::CliRun first = runOnce(run);
    require(first.status == 0 || first.status == 1 || first.status == 2,
            "an exit status of no kind", std::to_string(first.status));
    if (first.status != 0) require(first.out.empty(), "output printed by a run that failed");
    require(!steersTerminal(first.err), "standard error carries a control character", first.err);
    require(fuzz::wellFormedUtf8(first.out) && fuzz::wellFormedUtf8(first.err),
            "output that is not UTF-8");
    const test::CliRun second = runOnce(run);
    require(second.status == first.status && second.out == first.out && second.err == first.err,
            "the same command line gave another result the second time");
    return 0;
}
