#include "cli.h"

#include <algorithm>
#include <optional>

namespace nakkas::cli {

namespace {

constexpr std::string_view kVersion = "nakkas-cli 1.0.0 (Nakkas 2012)";

constexpr std::string_view kHelp =
    "Kullanım: nakkas-cli KOMUT [SEÇENEKLER]\n"
    "\n"
    "Komutlar:\n"
    "  defaults   Kayıtlı yedi varsayılanı yazar\n"
    "  banner     Kod panelinin başlık yorumunu yazar\n"
    "  object     Bir layout nesnesinin tanımlama ve olay kodunu yazar\n"
    "  snippet    Bir kod parçasını yazar (--list ile listesi)\n"
    "\n"
    "  nakkas-cli KOMUT --help   komutun kullanımı\n"
    "  nakkas-cli --version      sürüm\n";

constexpr OptionSpec kNoOptions[] = {{"help", false}};
std::span<const OptionSpec> noOptions() { return kNoOptions; }

const Command kCommands[] = {
    {"defaults", "Kullanım: nakkas-cli defaults\n", noOptions, runDefaults},
    {"banner", "Kullanım: nakkas-cli banner\n", noOptions, runBanner},
    {"object",
     "Kullanım: nakkas-cli object ETİKET [--var AD] [--id AD] [--access METİN] [--no-declare]\n"
     "                         [--no-listener] [--item METİN]...\n"
     "  --item yalnızca Spinner, GridView ve ListView için verilir (en az bir tane).\n",
     objectOptions, runObject},
    {"snippet", "Kullanım: nakkas-cli snippet ÖĞE|ETİKET\n       nakkas-cli snippet --list\n",
     snippetOptions, runSnippet},
};

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

void write(std::FILE* f, std::string_view text) { std::fwrite(text.data(), 1, text.size(), f); }

bool parseArgs(std::span<const std::string> argv, std::span<const OptionSpec> specs, Args& out,
               std::string& error) {
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a.rfind("--", 0) != 0 || a == "--") {
            out.positional.push_back(a);
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
        } else if (i + 1 < argv.size()) {
            value = argv[++i];
        } else {
            error = "--" + name + " için değer eksik";
            return false;
        }
        auto& list = out.values[name];
        if (!spec->repeatable && !list.empty()) {
            error = "--" + name + " bir kez verilebilir";
            return false;
        }
        list.push_back(std::move(value));
    }
    return true;
}

std::span<const Command> commands() { return kCommands; }

int runCli(const std::vector<std::string>& argv, Services& services, std::FILE* out,
           std::FILE* err) {
    if (argv.empty() || argv[0] == "--help" || argv[0] == "-h") {
        write(argv.empty() ? err : out, kHelp);
        return argv.empty() ? kUsage : kDone;
    }
    if (argv[0] == "--version") {
        write(out, kVersion);
        write(out, "\n");
        return kDone;
    }
    auto cmd = std::find_if(std::begin(kCommands), std::end(kCommands),
                            [&](const Command& c) { return c.name == argv[0]; });
    if (cmd == std::end(kCommands)) {
        write(err, "nakkas-cli: bilinmeyen komut: " + argv[0] + "\n");
        write(err, kHelp);
        return kUsage;
    }
    const auto options = cmd->options();
    std::vector<OptionSpec> specs(options.begin(), options.end());
    if (std::none_of(specs.begin(), specs.end(), [](auto& s) { return s.name == "help"; }))
        specs.push_back({"help", false});
    Args args;
    std::string error;
    const std::span<const std::string> rest(argv.data() + 1, argv.size() - 1);
    if (!parseArgs(rest, specs, args, error)) {
        write(err, "nakkas-cli " + std::string(cmd->name) + ": " + error + "\n");
        write(err, cmd->usage);
        return kUsage;
    }
    if (args.flag("help")) {
        write(out, cmd->usage);
        return kDone;
    }
    Context ctx{services, out, err};
    return cmd->run(args, ctx);
}

}  // namespace nakkas::cli
