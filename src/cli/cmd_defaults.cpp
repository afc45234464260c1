#include "app/defaults.h"
#include "cli.h"

namespace nakkas::cli {

namespace {

int run(const Args& args, Context& ctx) {
    if (!args.positional.empty()) return usageError(ctx, "defaults", "fazladan argüman");
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

}  // namespace

extern const CommandSpec kDefaultsCommand{"defaults", "Kayıtlı yedi varsayılanı yazar",
                                          "Kullanım: nakkas-cli defaults\n", {}, run};

}  // namespace nakkas::cli
