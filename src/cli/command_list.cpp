#include "cli.h"

namespace nakkas::cli {

extern const CommandSpec kDefaultsCommand;
extern const CommandSpec kBannerCommand;
extern const CommandSpec kObjectCommand;
extern const CommandSpec kSnippetCommand;
extern const CommandSpec kDialogCommand;
extern const CommandSpec kPrefsCommand;
extern const CommandSpec kMenuCommand;
extern const CommandSpec kTabHostCommand;
extern const CommandSpec kSqliteHelperCommand;
extern const CommandSpec kSqliteCommandsCommand;
extern const CommandSpec kLayoutCommand;

std::span<const CommandSpec* const> commands() {
    static const CommandSpec* const list[] = {
        &kDefaultsCommand,     &kBannerCommand,         &kObjectCommand, &kSnippetCommand,
        &kDialogCommand,       &kPrefsCommand,          &kMenuCommand,   &kTabHostCommand,
        &kSqliteHelperCommand, &kSqliteCommandsCommand, &kLayoutCommand,
    };
    return list;
}

}  // namespace nakkas::cli
