#include <algorithm>

#include "access_option.h"
#include "cli.h"
#include "platform/services.h"
#include "platform/visible_text.h"
#include "tools/layout_to_code/layout_to_code.h"

namespace nakkas::cli {

namespace {

constexpr OptionSpec kOptions[] = {
    {"style"}, {"access"}, {"no-listener", false}, {"only", true, true}, {"skip", true, true}};

constexpr std::pair<std::string_view, NamingStyle> kStyles[] = {
    {"id", NamingStyle::SameAsId}, {"camel", NamingStyle::Camel}, {"m", NamingStyle::MPrefix}};

int usageError(Context& ctx, std::string_view message) {
    return cli::usageError(ctx, "layout", message);
}

// Checks or unchecks the rows with one of the ids; an id the layout does not hold is refused,
// since a typo would otherwise pass unnoticed.
bool mark(LayoutToCode& model, const std::vector<std::string>& ids, bool checked, Context& ctx) {
    for (const std::string& id : ids) {
        const std::vector<std::size_t>& rows = model.rowsWithId(id);
        for (const std::size_t row : rows) model.setChecked(row, checked);
        if (rows.empty()) {
            ctx.services.messageBox("Layout'ta böyle bir id yok: " + id, "Hata", MessageIcon::Error,
                                    MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

int run(const Args& args, Context& ctx) {
    if (args.positional.size() != 1) return usageError(ctx, "bir layout dosyası gerekli");

    LayoutOptions options;
    if (args.has("style")) {
        const std::string style = args.value("style");
        const auto it = std::find_if(std::begin(kStyles), std::end(kStyles),
                                     [&](const auto& s) { return s.first == style; });
        if (it == std::end(kStyles)) return usageError(ctx, "bilinmeyen ad biçimi: " + style);
        options.style = it->second;
    }
    std::optional<std::size_t> access;
    if (!readAccess(args, ctx, "layout", access)) return kUsage;
    if (access) options.accessIndex = *access;
    options.writeListeners = !args.flag("no-listener");

    LayoutToCode model(ctx.services, options, ctx.language());
    if (!model.open(args.positional.front()).ok()) return kRefused;
    // Notes name includes as the file wrote them; XML allows characters a terminal obeys.
    for (const std::string& note : model.notes()) write(ctx.err, visibleText(note) + "\n");

    if (args.has("only")) {
        model.checkNone();
        if (!mark(model, args.all("only"), true, ctx)) return kRefused;
    }
    if (!mark(model, args.all("skip"), false, ctx)) return kRefused;
    if (!model.confirm().ok()) return kRefused;
    write(ctx.out, model.resultText());
    return kDone;
}

}  // namespace

extern const CommandSpec kLayoutCommand{
    "layout",
    "Bir layout XML dosyasındaki id verilmiş bütün görünümlerin kodunu yazar",
    "Kullanım: nakkas-cli layout DOSYA [--style id|camel|m] [--access METİN] [--no-listener]\n"
    "                         [--only ID]... [--skip ID]...\n"
    "  Include edilen layout'lar aynı klasörden okunur.\n",
    kOptions,
    run,
    1,
    true};

}  // namespace nakkas::cli
