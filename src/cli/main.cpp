#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"
#include "host_services.h"

int main(int argc, char** argv) {
    // A reader that goes away, or a file-size limit, must give a failed write that is reported
    // with exit status 1, not a silent death that leaves partial files.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    nakkas::HostServices services;
    return nakkas::cli::runCli(args, services, stdout, stderr);
}
