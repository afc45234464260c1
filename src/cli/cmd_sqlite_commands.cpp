#include <algorithm>

#include "app/defaults.h"
#include "cli.h"
#include "sqlite_columns.h"
#include "tools/sqlite_tool/sqlite_tool.h"

namespace nakkas::cli {

namespace {

using Group = RecordCommands::Group;

constexpr OptionSpec kOptions[] = {{"column", true, true},
                                   {"table"},
                                   {"insert", true, true},
                                   {"insert-edit", true, true},
                                   {"no-insert-notify", false},
                                   {"no-insert-clear", false},
                                   {"update", true, true},
                                   {"update-edit", true, true},
                                   {"no-update-notify", false},
                                   {"show", true, true},
                                   {"delete", false},
                                   {"no-delete-notify", false},
                                   {"count", false}};

// The options that press a group's "Ekle ve Oluştur >>", and whether EditText is checked.
struct Press {
    std::string_view option;
    Group group;
    bool editText;
};
constexpr Press kPresses[] = {{"insert", Group::Insert, false},
                              {"insert-edit", Group::Insert, true},
                              {"update", Group::Update, false},
                              {"update-edit", Group::Update, true},
                              {"show", Group::Show, false}};

int run(const Args& args, Context& ctx) {
    constexpr std::string_view kName = "sqlite-commands";
    const Defaults defaults = Defaults::load(ctx.services);
    SqliteToolState state{defaults.VTVersiyon};
    SqliteTool tool(ctx.services, state,
                    {defaults.TabloAdi, defaults.Veritabani, defaults.PaketAdi}, ctx.language());
    tool.tableName = args.value("table", tool.tableName);
    if (const int code = addColumns(args, ctx, kName, tool); code != kDone) return code;

    RecordCommands& rc = tool.commands;
    rc.insertNotify = !args.flag("no-insert-notify");
    rc.insertClear = !args.flag("no-insert-clear");
    rc.updateNotify = !args.flag("no-update-notify");
    rc.deleteNotify = !args.flag("no-delete-notify");

    // Presses go in command-line order, whichever group they belong to.
    // Named rather than bound: clang 14, which builds the fuzz targets, cannot capture a
    // structured binding in a lambda.
    for (const auto& pressed : args.sequence) {
        const std::string& option = pressed.first;
        const std::string& value = pressed.second;
        const auto press = std::find_if(std::begin(kPresses), std::end(kPresses),
                                        [&](const Press& p) { return p.option == option; });
        if (press == std::end(kPresses)) continue;
        const auto eq = value.find('=');
        if (eq == std::string::npos)
            return usageError(ctx, kName, "--" + option + " HÜCRE=DEĞİŞKEN biçiminde verilir");
        const std::string column = value.substr(0, eq);
        const auto& columns = tool.columns();
        if (!column.empty() && std::none_of(columns.begin(), columns.end(),
                                            [&](const Column& c) { return c.name == column; }))
            return usageError(ctx, kName, "tabloda böyle bir hücre yok: " + column);
        rc.chooseColumn(press->group, column);
        rc.setEditText(press->group, press->editText);
        rc.setVariable(press->group, value.substr(eq + 1));
        if (!tool.pressCommand(press->group).ok()) return kRefused;
        rc.setIncluded(press->group, true);
    }
    if (args.flag("delete")) {
        if (!tool.pressCommand(Group::Delete).ok()) return kRefused;
        rc.setIncluded(Group::Delete, true);
    }
    rc.countRecords = args.flag("count");
    tool.compile();
    write(ctx.out, tool.resultText());
    return kDone;
}

constexpr auto kUsageText = joinedText(
    "Kullanım: nakkas-cli sqlite-commands --column TANIM... [--table AD]\n"
    "                         [--insert HÜCRE=DEĞİŞKEN]... [--insert-edit HÜCRE=DEĞİŞKEN]...\n"
    "                         [--no-insert-notify] [--no-insert-clear]\n"
    "                         [--update HÜCRE=DEĞİŞKEN]... [--update-edit HÜCRE=DEĞİŞKEN]...\n"
    "                         [--no-update-notify] [--show HÜCRE=DEĞİŞKEN]...\n"
    "                         [--delete] [--no-delete-notify] [--count]\n",
    kColumnSpecUsage,
    "  Her --insert, --update, --show o grubun \"Ekle ve Oluştur >>\" düğmesine bir basıştır;\n"
    "  -edit biçimleri \"Bu bir EditText değeri\" işaretliyken basar.\n");

}  // namespace

extern const CommandSpec kSqliteCommandsCommand{
    "sqlite-commands",
    "Tablo için kayıt ekleme, güncelleme, gösterme, silme komutlarını yazar",
    textOf(kUsageText),
    kOptions,
    run,
    0,
    true};

}  // namespace nakkas::cli
