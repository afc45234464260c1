#include "cli.h"

namespace nakkas::cli {

extern const CommandSpec kDefaultsCommand;
extern const CommandSpec kBannerCommand;
extern const CommandSpec kObjectCommand;
extern const CommandSpec kSnippetCommand;
extern const CommandSpec kMenuCommand;
extern const CommandSpec kTabHostCommand;
extern const CommandSpec kLayoutCommand;

std::span<const CommandSpec* const> commands() {
    static const CommandSpec* const list[] = {
        &kDefaultsCommand,
        &kBannerCommand,
        &kObjectCommand,
        &kSnippetCommand,
        &kMenuCommand,
        &kTabHostCommand,
        &kLayoutCommand,
    };
    return list;
}

}  // namespace nakkas::cli
