#include "app/defaults.h"
#include "app/language_setting.h"
#include "cli.h"

namespace nakkas::cli {

namespace {

// A hand-edited value may hold line breaks; printed raw they would fake a line of their own.
std::string escaped(std::string_view value) {
    std::string text;
    for (char c : value) {
        switch (c) {
            case '\r':
                text += "\\r";
                break;
            case '\n':
                text += "\\n";
                break;
            case '\\':
                text += "\\\\";
                break;
            default:
                text += c;
        }
    }
    return text;
}

int run(const Args&, Context& ctx) {
    const Defaults d = Defaults::load(ctx.services);
    std::string text;
    for (const auto& f : defaultsFields()) {
        text += f.name;
        text += '=';
        text += escaped(d.*f.member);
        text += '\n';
    }
    // The output language as the program reads it: anything but "Kotlin" counts as Java.
    text += kLanguageKey;
    text += '=';
    text += languageName(LanguageSetting(ctx.services).current());
    text += '\n';
    write(ctx.out, text);
    return kDone;
}

}  // namespace

extern const CommandSpec kDefaultsCommand{
    "defaults",
    "Kayıtlı yedi varsayılanı ve çıktı dilini yazar",
    "Kullanım: nakkas-cli defaults\n"
    "  Değerlerdeki CR, LF ve ters bölü \\r, \\n ve \\\\ olarak "
    "yazılır.\n",
    {},
    run};

}  // namespace nakkas::cli
