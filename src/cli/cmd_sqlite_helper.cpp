#include "app/defaults.h"
#include "cli.h"
#include "platform/visible_text.h"
#include "sqlite_columns.h"
#include "tools/sqlite_tool/sqlite_tool.h"

namespace nakkas::cli {

namespace {

constexpr OptionSpec kOptions[] = {{"column", true, true}, {"package"}, {"db"},          {"table"},
                                   {"db-version"},         {"output"},  {"check", false}};

int run(const Args& args, Context& ctx) {
    // A version that is not one of the list's entries leaves the list without a selection.
    const Defaults defaults = Defaults::load(ctx.services);
    SqliteToolState state{args.value("db-version", defaults.VTVersiyon)};
    SqliteTool tool(ctx.services, state,
                    {defaults.TabloAdi, defaults.Veritabani, defaults.PaketAdi}, ctx.language());
    tool.packageName = args.value("package", tool.packageName);
    tool.databaseName = args.value("db", tool.databaseName);
    tool.tableName = args.value("table", tool.tableName);
    if (const int code = addColumns(args, ctx, "sqlite-helper", tool); code != kDone) return code;
    if (!tool.buildHelper().ok()) return kRefused;

    if (const auto warning = tool.tableWarning()) {
        // SQLite's words quote the names given, which must not steer the terminal.
        write(ctx.err, visibleText(*warning, true) + "\n");
        if (args.flag("check")) return kRefused;
    }
    if (!args.has("output")) {
        write(ctx.out, tool.builtText());
        return kDone;
    }
    return tool.writeBuilt(args.value("output")) ? kDone : kRefused;
}

constexpr auto kUsageText = joinedText(
    "Kullanım: nakkas-cli sqlite-helper --column TANIM [--column TANIM]... [--package P]\n"
    "                         [--db AD] [--table AD] [--db-version 1|2|3] [--output DOSYA]\n"
    "                         [--check]\n",
    kColumnSpecUsage,
    "  TİP: INTEGER TEXT REAL BOOLEAN FLOAT NUMERIC DATE TIME VARCHAR NVARCHAR TIMESTAMP BLOB\n"
    "  --output  sınıfı dosyaya yazar (Java: CR LF satır sonlarıyla; Kotlin: UTF-8, LF);\n"
    "            verilmezse çıktıya basar\n"
    "  --check   SQLite tabloyu kabul etmezse hiçbir şey yazmadan çıkar (çıkış kodu 1)\n");

}  // namespace

extern const CommandSpec kSqliteHelperCommand{
    "sqlite-helper",
    "Tablodan DatabaseHelper sınıfını yazar (.java ya da .kt)",
    textOf(kUsageText),
    kOptions,
    run,
    0,
    true};

}  // namespace nakkas::cli
