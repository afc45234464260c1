#include "cli.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "app/language_setting.h"
#include "platform/visible_text.h"
#include "text/utf8.h"

namespace nakkas::cli {

namespace {

// "java" or "kotlin", as --lang takes it.
std::string languageOption(Language language) {
    std::string name(languageName(language));
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

constexpr std::string_view kVersion = "nakkas-cli 1.0.0 (Nakkas 2012)";

// The overview, built from the command table.
std::string helpText() {
    std::string text = "Kullanım: nakkas-cli KOMUT [SEÇENEKLER]\n\nKomutlar:\n";
    std::size_t width = 0;
    for (const CommandSpec* c : commands()) width = std::max(width, c->name.size());
    for (const CommandSpec* c : commands()) {
        text += "  ";
        text += c->name;
        text.append(width - c->name.size() + 3, ' ');
        text += c->summary;
        text += '\n';
    }
    text +=
        "\n  nakkas-cli KOMUT --help   komutun kullanımı\n"
        "  nakkas-cli --version      sürüm\n";
    return text;
}

}  // namespace

std::string Args::value(std::string_view name, std::string_view fallback) const {
    auto it = values.find(name);
    if (it == values.end() || it->second.empty()) return std::string(fallback);
    return it->second.back();
}

const std::vector<std::string>& Args::all(std::string_view name) const {
    static const std::vector<std::string> none;
    auto it = values.find(name);
    return it == values.end() ? none : it->second;
}

void write(std::FILE* f, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), f);
}

bool parseArgs(std::span<const std::string> argv, std::span<const OptionSpec> specs, Args& out,
               std::string& error) {
    bool optionsEnded = false;
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (optionsEnded || !a.starts_with("--")) {
            out.positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = a.substr(2);
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        auto spec = std::find_if(specs.begin(), specs.end(),
                                 [&](const OptionSpec& s) { return s.name == name; });
        if (spec == specs.end()) {
            error = "bilinmeyen seçenek: --" + name;
            return false;
        }
        if (!spec->takesValue) {
            if (inlineValue) {
                error = "--" + name + " değer almaz";
                return false;
            }
            out.flags[name] = true;
            continue;
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argv.size() && !argv[i + 1].starts_with("--")) {
            value = argv[++i];
        } else {
            error = "--" + name + " için değer eksik (\"--\" ile başlayan bir değer --" + name +
                    "=DEĞER biçiminde verilir)";
            return false;
        }
        auto& list = out.values[name];
        if (!spec->repeatable && !list.empty()) {
            error = "--" + name + " bir kez verilebilir";
            return false;
        }
        out.sequence.emplace_back(name, value);
        list.push_back(std::move(value));
    }
    return true;
}

Language Context::language() {
    if (!chosenLanguage) chosenLanguage = LanguageSetting(services).current();
    return *chosenLanguage;
}

std::string usageText(const CommandSpec& command) {
    std::string text(command.usage);
    if (command.generatesCode)
        text += "  --lang java|kotlin  çıktı dili (verilmezse kayıtlı CiktiDili; fabrika: java)\n";
    return text;
}

int usageError(Context& ctx, std::string_view command, std::string_view message) {
    write(ctx.err, "nakkas-cli " + std::string(command) + ": " + visibleText(message) + "\n");
    write(ctx.err, "(kullanım için: nakkas-cli " + std::string(command) + " --help)\n");
    return kUsage;
}

namespace {

// The checks every command shares; run by runCli before its output is checked.
int dispatch(const std::vector<std::string>& argv, Services& services, std::FILE* out,
             std::FILE* err) {
    for (size_t i = 0; i < argv.size(); ++i) {
        if (!isUtf8(argv[i])) {
            // The argument is not echoed: its bytes would reach the terminal as they are.
            write(err, "nakkas-cli: " + std::to_string(i + 1) +
                           ". argüman geçerli UTF-8 değil\n(kullanım için: nakkas-cli --help)\n");
            return kUsage;
        }
    }
    if (argv.empty()) {
        write(err, helpText());
        return kUsage;
    }
    const std::string& first = argv[0];
    if (first == "--help" || first == "-h" || first == "--version") {
        if (argv.size() > 1) {
            write(err, "nakkas-cli " + first + ": fazladan argüman: " + visibleText(argv[1]) +
                           "\n(kullanım için: nakkas-cli --help)\n");
            return kUsage;
        }
        write(out, first == "--version" ? std::string(kVersion) + "\n" : helpText());
        return kDone;
    }
    const auto list = commands();
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const CommandSpec* c) { return c->name == first; });
    if (found == list.end()) {
        write(err, "nakkas-cli: bilinmeyen komut: " + visibleText(first) + "\n");
        write(err, helpText());
        return kUsage;
    }
    const CommandSpec* cmd = *found;
    const auto options = cmd->options;
    std::vector<OptionSpec> specs(options.begin(), options.end());
    if (std::none_of(specs.begin(), specs.end(), [](auto& s) { return s.name == "help"; }))
        specs.push_back({"help", false});
    if (cmd->generatesCode) specs.push_back({"lang"});
    Args args;
    std::string error;
    const std::span<const std::string> rest(argv.data() + 1, argv.size() - 1);
    if (!parseArgs(rest, specs, args, error)) {
        write(err, "nakkas-cli " + std::string(cmd->name) + ": " + visibleText(error) + "\n");
        write(err, usageText(*cmd));
        return kUsage;
    }
    Context ctx{services, out, err};
    if (args.positional.size() > cmd->maxPositional)
        return usageError(ctx, cmd->name,
                          "fazladan argüman: " + args.positional[cmd->maxPositional]);
    if (args.flag("help")) {
        write(out, usageText(*cmd));
        return kDone;
    }
    if (args.has("lang")) {
        const std::string lang = args.value("lang");
        const auto chosen = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                         [&](Language l) { return lang == languageOption(l); });
        if (chosen == std::end(kLanguages))
            return usageError(ctx, cmd->name, "--lang java ya da kotlin olmalı: " + lang);
        ctx.chosenLanguage = *chosen;
    }
    return cmd->run(args, ctx);
}

}  // namespace

int runCli(const std::vector<std::string>& argv, Services& services, std::FILE* out,
           std::FILE* err) {
    const int status = dispatch(argv, services, out, err);
    // A write into a full disk or a closed pipe fails at the latest when the buffer is flushed;
    // output that never arrived must not be reported as done.
    if (std::fflush(out) != 0 || std::ferror(out)) {
        write(err,
              "nakkas-cli: çıktı yazılamadı (disk dolu ya da çıktıyı okuyan taraf kapanmış "
              "olabilir)\n");
        return status == kDone ? kRefused : status;
    }
    return status;
}

}  // namespace nakkas::cli
