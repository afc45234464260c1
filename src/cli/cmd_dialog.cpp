#include <algorithm>

#include "app/defaults.h"
#include "cli.h"
#include "definer/code_panel.h"
#include "tools/dialog_designer/dialog_designer.h"

namespace nakkas::cli {

namespace {
constexpr OptionSpec kOptions[] = {{"var"},     {"activity"}, {"title"}, {"message"},
                                   {"button1"}, {"button2"},  {"icon"},  {"toast"}};

int usageError(Context& ctx, std::string_view message) {
    return cli::usageError(ctx, "dialog", message);
}

int run(const Args& args, Context& ctx) {
    if (args.positional.size() != 1)
        return usageError(ctx,
                          "bir dialog tipi gerekli (Standart, Yükleniyor, Bekleyin, "
                          "Evet-Hayır, Toast Mesaj)");
    const auto type = findDialogType(args.positional.front());
    if (!type) return usageError(ctx, "bilinmeyen dialog tipi: " + args.positional.front());

    // The toast length list is only usable in the toast form.
    std::optional<std::size_t> toastEntry;
    if (args.has("toast")) {
        if (*type != DialogType::ToastMesaj)
            return usageError(ctx, "--toast yalnızca Toast Mesaj için verilir");
        const std::string flag = args.value("toast");
        const auto& flags = DialogDesigner::kToastFlags;
        const auto it = std::find(flags.begin(), flags.end(), flag);
        if (it == flags.end())
            return usageError(ctx, "--toast LENGTH_LONG ya da LENGTH_SHORT olmalı: " + flag);
        toastEntry = std::size_t(it - flags.begin());
    }

    const Defaults defaults = Defaults::load(ctx.services);
    DialogDesignerState state;
    DialogDesigner designer(state, ctx.services, *type, ctx.language(), defaults.ActivityAdi,
                            defaults.SimgeAdi);
    DialogFields& f = designer.fields;
    f.variableName = args.value("var", f.variableName);
    f.activityName = args.value("activity", f.activityName);
    f.title = args.value("title", f.title);
    // A line break typed in the form's message box is CR LF; one given here means the same.
    f.message = toCrLf(args.value("message", f.message));
    f.button1 = args.value("button1", f.button1);
    f.button2 = args.value("button2", f.button2);
    f.icon = args.value("icon", f.icon);
    if (toastEntry) designer.selectToastFlag(*toastEntry);

    if (!designer.create().ok()) return kRefused;
    write(ctx.out, designer.resultText());
    return kDone;
}

}  // namespace

extern const CommandSpec kDialogCommand{
    "dialog",
    "Dialog, ilerleme dialogu, evet-hayır dialogu ya da tost mesajı kodu yazar",
    "Kullanım: nakkas-cli dialog TİP [--var AD] [--activity AD] [--title METİN]\n"
    "                         [--message METİN] [--button1 METİN] [--button2 METİN]\n"
    "                         [--icon METİN] [--toast LENGTH_LONG|LENGTH_SHORT]\n"
    "  TİP: Standart, Yükleniyor, Bekleyin, Evet-Hayır, \"Toast Mesaj\".\n"
    "  --toast yalnızca Toast Mesaj için verilir ve orada gereklidir.\n",
    kOptions,
    run,
    1,
    true};

}  // namespace nakkas::cli
