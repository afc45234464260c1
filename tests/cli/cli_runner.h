#pragma once

// Runs the command line in this process, over the fake desktop and in-memory streams.

#include <map>
#include <string>
#include <vector>

#include "fake_services.h"

namespace nakkas::test {

using Args = std::vector<std::string>;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// One command line. The message boxes it shows are recorded in the services, as the window's
// would be; the real program prints their texts on standard error.
CliRun runCli(FakeServices& services, const Args& args);

// A fresh fake desktop for each run, for commands whose runs must not see each other.
inline CliRun runCli(const Args& args) {
    FakeServices services;
    return runCli(services, args);
}

// A command line written as one text: words part at blanks, '~' stands for a blank within a word
// and a word '' for an empty one, and "@name" is the file tests/data/name.
Args words(const std::string& line);

// A fake desktop whose store holds these values under "Varsayilanlar".
inline FakeServices storing(const std::map<std::string, std::string>& values) {
    FakeServices services;
    for (const auto& [name, value] : values) services.strings[{"Varsayilanlar", name}] = value;
    return services;
}

}  // namespace nakkas::test
