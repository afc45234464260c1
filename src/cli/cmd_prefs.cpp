#include "cli.h"
#include "tools/setting_saver/setting_code.h"
#include "tools/setting_saver/setting_saver.h"

namespace nakkas::cli {

namespace {
constexpr OptionSpec kOptions[] = {
    {"type"}, {"mode"}, {"var"}, {"key"}, {"file"}, {"no-write", false}, {"no-read", false}};

int usageError(Context& ctx, std::string_view message) {
    return cli::usageError(ctx, "prefs", message);
}

// The row whose entry reads exactly as given.
template <typename Rows>
std::optional<std::size_t> entryIndex(const Rows& rows, std::string_view entry) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].entry == entry) return i;
    return std::nullopt;
}

int run(const Args& args, Context& ctx) {
    SettingSaverState state;
    SettingSaver saver(state, ctx.services, ctx.language(), {});
    // A missing choice is the form's own refusal; a choice the lists do not have is a typo.
    if (args.has("type")) {
        const auto entry = entryIndex(settingDataTypes(), args.value("type"));
        if (!entry) return usageError(ctx, "bilinmeyen veri türü: " + args.value("type"));
        saver.selectDataType(*entry);
    }
    if (args.has("mode")) {
        const auto entry = entryIndex(settingAccessModes(), args.value("mode"));
        if (!entry) return usageError(ctx, "bilinmeyen kayıt şekli: " + args.value("mode"));
        saver.selectAccessMode(*entry);
    }
    saver.variableName = args.value("var", saver.variableName);
    saver.key = args.value("key", saver.key);
    saver.fileName = args.value("file", saver.fileName);
    saver.writeBlock = !args.flag("no-write");
    saver.readBlock = !args.flag("no-read");

    if (!saver.confirm().ok()) return kRefused;
    write(ctx.out, saver.resultText());
    return kDone;
}

}  // namespace

extern const CommandSpec kPrefsCommand{
    "prefs",
    "Bir değeri paylaşılan ayarlarda saklayan ve okuyan kodu yazar",
    "Kullanım: nakkas-cli prefs --type GİRDİ --mode GİRDİ [--var AD] [--key ANAHTAR]\n"
    "                         [--file AD] [--no-write] [--no-read]\n"
    "  --type: Tamsayı, Metin, \"Uzun Tamsayı\", \"Ondalıklı Sayı\", Evet-Hayır.\n"
    "  --mode: \"Sadece bu uygulama erişir\", \"Ekleme Yapılır\", \"Tüm uygulamalar okur\",\n"
    "          \"Tüm uygulamalar yazar\".\n",
    kOptions,
    run,
    0,
    true};

}  // namespace nakkas::cli
