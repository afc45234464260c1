#include <algorithm>

#include "access_option.h"
#include "cli.h"
#include "definer/definer_form.h"
#include "definer/object_generator.h"
#include "definer/widget_catalogue.h"
#include "tools/list_wizard/list_creator.h"

namespace nakkas::cli {

namespace {
constexpr OptionSpec kOptions[] = {{"var"},
                                   {"id"},
                                   {"access"},
                                   {"no-declare", false},
                                   {"no-listener", false},
                                   {"item", true, true}};

int usageError(Context& ctx, std::string_view message) {
    return cli::usageError(ctx, "object", message);
}

int run(const Args& args, Context& ctx) {
    if (args.positional.size() != 1)
        return usageError(ctx, "bir nesne etiketi gerekli (TextView, Button, ... DatePicker)");
    const std::string& label = args.positional.front();
    if (label == "TabHost")
        return usageError(ctx,
                          "TabHost proje sihirbazıdır; \"nakkas-cli tabhost\" komutunu kullanın");
    const auto entry = findEntryByLabel(label);
    if (!entry) return usageError(ctx, "bilinmeyen nesne: " + label);
    const std::string_view typeKey = widgetCatalogue()[*entry].typeKey;

    // The window proposes these names for a fresh counter with "Nesne ismi ile aynı olsun" checked.
    DefinerForm form{std::string()};
    form.choose(*entry);

    std::optional<std::size_t> access;
    if (!readAccess(args, ctx, "object", access)) return kUsage;
    if (access) form.selectAccess(*access);

    // Only the list-based objects open the list item creator, so an item anywhere else is a
    // mistake on the command line rather than something to drop silently.
    const bool listBased = needsListItems(typeKey);
    if (!listBased && args.has("item"))
        return usageError(ctx, "--item yalnızca Spinner, GridView ve ListView için verilir");

    ListCreator creator(ctx.services, ctx.language());
    if (listBased) {
        for (const std::string& item : args.all("item")) {
            creator.entry = item;
            if (!creator.add().ok()) return kRefused;
        }
        if (!creator.confirm().ok()) return kRefused;
    }

    form.variableName = args.value("var", form.variableName);
    form.idName = args.value("id", form.idName);
    form.writeDeclaration = !args.flag("no-declare");
    form.writeListener = !args.flag("no-listener");
    write(ctx.out,
          generateObjectText(typeKey, form.generatorInput(creator.listItemText(), ctx.language())));
    return kDone;
}

}  // namespace

extern const CommandSpec kObjectCommand{
    "object",
    "Bir layout nesnesinin tanımlama ve olay kodunu yazar",
    "Kullanım: nakkas-cli object ETİKET [--var AD] [--id AD] [--access METİN] [--no-declare]\n"
    "                         [--no-listener] [--item METİN]...\n"
    "  --item yalnızca Spinner, GridView ve ListView için verilir (en az bir tane).\n",
    kOptions,
    run,
    1,
    true};

}  // namespace nakkas::cli
