#include "app/defaults.h"
#include "cli.h"

namespace nakkas::cli {

int runDefaults(const Args& args, Context& ctx) {
    if (!args.positional.empty()) {
        write(ctx.err, "nakkas-cli defaults: fazladan argüman\n");
        return kUsage;
    }
    const Defaults d = Defaults::load(ctx.services);
    std::string text;
    for (const auto& f : defaultsFields()) {
        text += f.name;
        text += '=';
        text += d.*f.member;
        text += '\n';
    }
    write(ctx.out, text);
    return kDone;
}

}  // namespace nakkas::cli
