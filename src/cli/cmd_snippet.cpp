#include "cli.h"

namespace nakkas::cli {

namespace {
constexpr OptionSpec kOptions[] = {{"list", false}};
}
std::span<const OptionSpec> snippetOptions() { return kOptions; }

int runSnippet(const Args&, Context& ctx) {
    write(ctx.err, "nakkas-cli snippet: henüz yok\n");
    return kUsage;
}

}  // namespace nakkas::cli
