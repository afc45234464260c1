#pragma once

#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nakkas {
class Services;
}

namespace nakkas::cli {

enum ExitCode { kDone = 0, kRefused = 1, kUsage = 2 };

// One option a command accepts. Flags take no value; the others take the next argument or the
// text after "=".
struct OptionSpec {
    std::string_view name;  // without the leading "--"
    bool takesValue = true;
    bool repeatable = false;
};

// The parsed command line of one command.
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>, std::less<>>
        values;  // repeated values in order
    std::map<std::string, bool, std::less<>> flags;
    // Every option that took a value, as (name, value) in command-line order, for commands
    // where the order across different options matters.
    std::vector<std::pair<std::string, std::string>> sequence;

    bool has(std::string_view name) const {
        return values.count(name) > 0 || flags.count(name) > 0;
    }
    bool flag(std::string_view name) const { return flags.count(name) > 0; }
    // The last value given, or the fallback.
    std::string value(std::string_view name, std::string_view fallback = {}) const;
    const std::vector<std::string>& all(std::string_view name) const;
};

// Parses the arguments after the command name. "--" ends the options. A value that itself starts
// with "--" is taken only as "--opt=VALUE", so a forgotten value cannot swallow the next option.
// On a usage error returns false and sets error.
bool parseArgs(std::span<const std::string> argv, std::span<const OptionSpec> specs, Args& out,
               std::string& error);

struct Context {
    Services& services;
    std::FILE* out;
    std::FILE* err;
};

// Writes to the stream; a failed write is noticed once, when the program ends (see runCli).
void write(std::FILE* f, std::string_view text);

// One row of the command table. Each cmd_*.cpp defines its own row and registers it with one
// line in command_list.cpp; "--help" is built from the table.
struct CommandSpec {
    std::string_view name;
    std::string_view summary;  // one line for "nakkas-cli --help"
    std::string_view usage;    // printed by "COMMAND --help" and after a usage error
    std::span<const OptionSpec> options;
    int (*run)(const Args& args, Context& ctx);
    // How many arguments other than options the command takes at most. More are refused before
    // the command runs, with the same usage error for every command.
    std::size_t maxPositional = 0;
};

// The registered commands, in the order "--help" lists them.
std::span<const CommandSpec* const> commands();

// The whole program, for main and for tests. Every argument must be UTF-8. When the output
// cannot be written (full disk, closed pipe) it says so on err and a command that succeeded
// exits with kRefused.
int runCli(const std::vector<std::string>& argv, Services& services, std::FILE* out,
           std::FILE* err);

// Prints "nakkas-cli NAME: message" and the usage hint on standard error; returns kUsage.
int usageError(Context& ctx, std::string_view command, std::string_view message);

}  // namespace nakkas::cli
