#include "cli.h"

namespace nakkas::cli {

namespace {
constexpr OptionSpec kOptions[] = {{"var"}, {"id"}, {"access"}, {"no-declare", false},
                                   {"no-listener", false}, {"item", true, true}};
}
std::span<const OptionSpec> objectOptions() { return kOptions; }

int runObject(const Args&, Context& ctx) {
    write(ctx.err, "nakkas-cli object: henüz yok\n");
    return kUsage;
}

}  // namespace nakkas::cli
