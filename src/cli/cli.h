#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/language.h"

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
    // Given with --lang; otherwise the stored choice, read when first asked for.
    std::optional<Language> chosenLanguage = std::nullopt;

    // The language to generate in.
    Language language();
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
    // Commands that write code take --lang, which their usage text then names.
    bool generatesCode = false;
};

// What "COMMAND --help" prints: the command's usage, and the --lang line where it applies.
std::string usageText(const CommandSpec& command);

// Literals joined at compile time, for usage texts that share a line with another command's.
template <std::size_t... N>
constexpr auto joinedText(const char (&... parts)[N]) {
    std::array<char, (N + ...) - sizeof...(N)> text{};
    std::size_t at = 0;
    ((std::copy_n(parts, N - 1, text.begin() + at), at += N - 1), ...);
    return text;
}

template <std::size_t N>
constexpr std::string_view textOf(const std::array<char, N>& text) {
    return {text.data(), N};
}

// The registered commands, in the order "--help" lists them.
std::span<const CommandSpec* const> commands();

// The whole program, for main and for tests. Every argument must be UTF-8. When the output
// cannot be written (full disk, closed pipe) it says so on err and a command that succeeded
// exits with kRefused. It keeps nothing between calls and touches no global state: all it reads
// and writes goes through the arguments, so any number of runs may share a process.
int runCli(const std::vector<std::string>& argv, Services& services, std::FILE* out,
           std::FILE* err);

// Prints "nakkas-cli NAME: message" and the usage hint on standard error; returns kUsage.
int usageError(Context& ctx, std::string_view command, std::string_view message);

}  // namespace nakkas::cli
