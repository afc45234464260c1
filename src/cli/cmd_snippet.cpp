#include "cli.h"
#include "platform/visible_text.h"
#include "snippets/snippet_catalogue.h"

namespace nakkas::cli {

namespace {

constexpr OptionSpec kOptions[] = {{"list", false}};

int run(const Args& args, Context& ctx) {
    if (args.flag("list")) {
        if (!args.positional.empty()) {
            write(ctx.err, "nakkas-cli snippet: --list ile birlikte ad verilmez\n");
            return kUsage;
        }
        std::string list;
        for (const Snippet& s : snippetCatalogue()) {
            list += s.element;
            list += '\t';
            list += s.label;
            list += '\n';
        }
        write(ctx.out, list);
        return kDone;
    }
    if (args.positional.empty()) return usageError(ctx, "snippet", "kod parçası adı eksik");
    const Snippet* snippet = findSnippet(args.positional.front());
    if (!snippet) {
        write(ctx.err, "nakkas-cli snippet: bilinmeyen kod parçası: " +
                           visibleText(args.positional.front()) +
                           "\n(liste için: nakkas-cli snippet --list)\n");
        return kUsage;
    }
    // The text goes out as it is, CR LF included and without a trailing newline of our own, so
    // that it can be piped straight into a file.
    write(ctx.out, snippet->text(ctx.language()));
    return kDone;
}

}  // namespace

extern const CommandSpec kSnippetCommand{
    "snippet",
    "Bir kod parçasını yazar (--list ile listesi)",
    "Kullanım: nakkas-cli snippet ÖĞE|ETİKET\n       nakkas-cli snippet --list\n",
    kOptions,
    run,
    1,
    true};

}  // namespace nakkas::cli
