#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"
#include "host_services.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    nakkas::HostServices services;
    return nakkas::cli::runCli(args, services, stdout, stderr);
}
