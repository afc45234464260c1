#include "app/defaults.h"
#include "cli.h"
#include "tools/menu_designer/menu_code.h"
#include "tools/menu_designer/menu_designer.h"

namespace nakkas::cli {

namespace {
constexpr OptionSpec kOptions[] = {{"title", true, true}};

int run(const Args& args, Context& ctx) {
    const std::vector<std::string>& titles = args.all("title");

    // The same steps as the window: fresh records, a count typed into the box, "Listele", one
    // chosen entry per title, OK. So no titles or too many meet the dialog's own count check.
    const Defaults defaults = Defaults::load(ctx.services);
    MenuRecords records;
    resetMenuItems(records, defaults.SimgeAdi);
    MenuDesigner designer(ctx.services, records, MenuDesignMode::Normal);
    designer.countText = std::to_string(titles.size());
    if (!designer.list().ok()) return kRefused;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        designer.choose(int(i));
        designer.editTitle(titles[i]);
    }
    if (!designer.confirm().ok()) return kRefused;
    write(ctx.out, menuCode(records, ctx.language()));
    return kDone;
}

}  // namespace

extern const CommandSpec kMenuCommand{
    "menu",
    "Bir ile altı maddelik seçenek menüsünün kodunu ve menu dosyasını yazar",
    "Kullanım: nakkas-cli menu --title METİN [--title METİN]...\n"
    "  Her --title sırayla bir menü maddesi ekler (en az 1, en çok 6).\n",
    kOptions,
    run,
    0,
    true};

}  // namespace nakkas::cli
