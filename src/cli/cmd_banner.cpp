#include "cli.h"
#include "definer/code_panel.h"

namespace nakkas::cli {

namespace {

int run(const Args&, Context& ctx) {
    write(ctx.out, bannerText());
    return kDone;
}

}  // namespace

extern const CommandSpec kBannerCommand{
    "banner", "Kod panelinin başlık yorumunu yazar", "Kullanım: nakkas-cli banner\n", {}, run};

}  // namespace nakkas::cli
