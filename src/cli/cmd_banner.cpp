#include "cli.h"
#include "definer/code_panel.h"

namespace nakkas::cli {

int runBanner(const Args& args, Context& ctx) {
    if (!args.positional.empty()) {
        write(ctx.err, "nakkas-cli banner: fazladan argüman\n");
        return kUsage;
    }
    write(ctx.out, bannerText());
    return kDone;
}

}  // namespace nakkas::cli
