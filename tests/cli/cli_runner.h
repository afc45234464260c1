#pragma once

// Runs the command line in this process, over the fake desktop and in-memory streams.

#include <string>
#include <vector>

#include "fake_services.h"

namespace nakkas::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// One command line. The message boxes it shows are recorded in the services, as the window's
// would be; the real program prints their texts on standard error.
CliRun runCli(FakeServices& services, const std::vector<std::string>& args);

// A fresh fake desktop for each run, for commands whose runs must not see each other.
inline CliRun runCli(const std::vector<std::string>& args) {
    FakeServices services;
    return runCli(services, args);
}

}  // namespace nakkas::test
