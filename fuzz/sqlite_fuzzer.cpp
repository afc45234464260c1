// The SQLite tool: the table designer with its column rules, the command line's column specs,
// the table statement check against the real SQLite, the DatabaseHelper class and the record
// command builders.
//
// Each input line is one event, "verb rest":
//   designer: table T, column T, db T, package T, type N, pk 0|1, notnull 0|1, unique 0|1, add,
//             choose N, etype N, epk 0|1, enotnull 0|1, eunique 0|1, update, version N, check,
//             save PATH, answer yes|no
//   specs:    spec SPEC (collected), specs (adds the collected ones as --column would)
//   direct:   rawcol NAME|TYPE|FLAGS (FLAGS of k, n, u), rawcheck T (checks those columns)
//   commands: pick G NAME, var G T, edittext G 0|1, include G 0|1, press G, reset G, edit G T,
//             flags N (the five boxes as bits), compile
//
// The properties: the class written for any names carries exactly the names typed in its string
// literals, so the statement the phone runs is the one that was checked; typed table and key
// names never change the code of the record commands around them; the check ends, whatever the
// names make of the statement.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "fake_services.h"
#include "fuzz_support.h"
#include "sqlite_columns.h"
#include "tools/sqlite_tool/sql_check.h"
#include "tools/sqlite_tool/sqlite_tool.h"

using namespace nakkas;
using nakkas::fuzz::require;

namespace {

// Where the command line's output goes: only the exit code is looked at.
std::FILE* sink() {
    static std::FILE* file = std::fopen("/dev/null", "w");
    return file;
}

// The helper class names the database and the table in its literals, and builds the statement
// from a literal around the column text: unescaped, they are exactly what was typed. The Kotlin
// class names the table in the statement with its one template, "$VT_TABLO".
void checkHelper(const HelperInput& in) {
    if (!fuzz::plainJava(in.packageName)) return;  // a package name is code, not a literal
    const std::string text = databaseHelperText(in);
    const bool kotlin = in.language == Language::Kotlin;
    const fuzz::JavaText code = fuzz::javaText(text, kotlin);
    const std::string columns = "( " + columnText(in.columns) + " )";
    const std::vector<std::string> expected =
        kotlin ? std::vector<std::string>{in.databaseName, in.tableName,
                                          "CREATE TABLE $VT_TABLO" + columns}
               : std::vector<std::string>{in.databaseName, in.tableName, "CREATE TABLE ", columns};
    require(code.literals == expected, "the helper class does not carry the names typed", text);
    if (kotlin)
        require(code.code.find("${}") == code.code.rfind("${}"),
                "a typed name starts a Kotlin template", text);
    require(createTableStatement(in.tableName, columnText(in.columns)) ==
                "CREATE TABLE " + in.tableName + columns,
            "the statement checked is not the one the class runs");
}

void checkTableEnds(std::string_view table, const std::vector<Column>& columns) {
    const TableCheck check = checkTable(table, columns);
    if (check.verdict != TableCheck::Verdict::Accepted)
        require(!check.message.empty(), "a refused table without a reason");
}

int group(std::string_view text) {
    const int g = fuzz::number(text.substr(0, text.find(' '))).value_or(0);
    return g % RecordCommands::kGroupCount;
}

std::string after(std::string_view text) {
    const auto blank = text.find(' ');
    return blank == std::string_view::npos ? std::string() : std::string(text.substr(blank + 1));
}

class Session {
public:
    Session(std::string_view input, Language language)
        : m_lines(fuzz::lines(input)), m_language(language) {}

    void run() {
        for (const std::string_view line : m_lines) step(fuzz::event(line));
        checkCommands();
    }

private:
    void step(const fuzz::Event& e) {
        const std::string rest(e.rest);
        const int n = fuzz::number(e.rest).value_or(-1);
        SqliteTool& t = m_tool;
        // Each check opens a database; a few say all that many would.
        if (e.verb == "check" || e.verb == "save" || e.verb == "rawcheck")
            if (++m_checks > 6) return;
        if (e.verb == "table") return void(t.tableName = rest);
        if (e.verb == "column") return void(t.columnName = rest);
        if (e.verb == "db") return void(t.databaseName = rest);
        if (e.verb == "package") return void(t.packageName = rest);
        if (e.verb == "type") return t.chooseNewType(std::size_t(n));
        if (e.verb == "pk") return void(t.setPrimaryKeyBox(n == 1));
        if (e.verb == "notnull") return void(t.notNullBox = n == 1);
        if (e.verb == "unique") return void(t.uniqueBox = n == 1);
        if (e.verb == "add") return void(t.addColumn());
        if (e.verb == "choose") return t.chooseColumn(std::size_t(n));
        if (e.verb == "etype") return void(t.editor.type = std::size_t(n));
        if (e.verb == "epk") return void(t.editor.primaryKey = n == 1);
        if (e.verb == "enotnull") return void(t.editor.notNull = n == 1);
        if (e.verb == "eunique") return void(t.editor.unique = n == 1);
        if (e.verb == "update") return void(t.updateColumn());
        if (e.verb == "version") return t.chooseVersion(std::size_t(n));
        if (e.verb == "check") return check();
        if (e.verb == "answer")
            return m_services.answers.push_back(rest == "yes" ? MessageAnswer::Yes
                                                              : MessageAnswer::No);
        if (e.verb == "save") return save(rest);
        if (e.verb == "spec") return m_specs.push_back(rest);
        if (e.verb == "specs") return specs();
        if (e.verb == "rawcol") return rawColumn(e.rest);
        if (e.verb == "rawcheck") {
            checkTableEnds(e.rest, m_raw);
            return checkHelper({m_raw, "com.ornek", "vt", rest, "1", m_language});
        }
        commandEvent(e);
    }

    void check() {
        checkTableEnds(m_tool.tableName, m_tool.columns());
        checkHelper(m_tool.helperInput());
        m_tool.tableWarning();
    }

    void save(const std::string& path) {
        m_services.savePaths.push_back(path.empty() ? std::nullopt : std::optional(path));
        const Outcome saved = m_tool.save();
        m_services.savePaths.clear();
        if (saved.ok())
            require(m_services.fs.files.count(path) > 0, "a save said done and wrote nothing");
    }

    void specs() {
        cli::Args args;
        if (!m_specs.empty()) args.values["column"] = m_specs;
        cli::Context ctx{m_services, sink(), sink()};
        const int status = cli::addColumns(args, ctx, "sqlite-helper", m_tool);
        require(status == cli::kDone || status == cli::kRefused || status == cli::kUsage,
                "the column specs gave an exit code of no kind");
        m_specs.clear();
    }

    void rawColumn(std::string_view text) {
        if (m_raw.size() >= 12) return;
        Column c;
        const auto bar = text.find('|');
        c.name = std::string(text.substr(0, bar));
        const std::string_view rest = bar == std::string_view::npos ? "" : text.substr(bar + 1);
        const auto bar2 = rest.find('|');
        c.type = std::string(rest.substr(0, bar2));
        const std::string_view flags = bar2 == std::string_view::npos ? "" : rest.substr(bar2 + 1);
        c.primaryKey = flags.find('k') != std::string_view::npos;
        c.notNull = flags.find('n') != std::string_view::npos;
        c.unique = flags.find('u') != std::string_view::npos;
        m_raw.push_back(std::move(c));
    }

    // The record commands run twice in step: once with the names as typed, once with the table
    // and key names replaced by plain words. The two texts must have the same code.
    void commandEvent(const fuzz::Event& e) {
        if (e.verb == "compile") return m_tool.compile();
        const auto g = RecordCommands::Group(group(e.rest));
        RecordCommands& typed = m_tool.commands;
        const std::string value = after(e.rest);
        const int n = fuzz::number(value).value_or(0);
        for (RecordCommands* c : {&typed, &m_plain}) {
            if (e.verb == "pick") c->chooseColumn(g, value);
            if (e.verb == "var") c->setVariable(g, value);
            if (e.verb == "edit") c->group(g).result = value;
            if (e.verb == "edittext") c->setEditText(g, n == 1);
            if (e.verb == "include") c->setIncluded(g, n == 1);
            if (e.verb == "reset") c->reset(g);
            if (e.verb == "flags") {
                c->insertNotify = n & 1;
                c->insertClear = n & 2;
                c->updateNotify = n & 4;
                c->deleteNotify = n & 8;
                c->countRecords = n & 16;
            }
            if (e.verb == "press") {
                const bool isTyped = c == &typed;
                const std::string& table = m_tool.tableName;
                const std::string& key = m_tool.primaryKeyName();
                c->press(g, isTyped ? table : plain(table), isTyped ? key : plain(key));
            }
        }
        // Column and variable names stand in the code itself; only plain ones leave it alone.
        if (e.verb == "pick" || e.verb == "var" || e.verb == "edit")
            m_plainNames = m_plainNames && fuzz::plainJava(value);
    }

    static std::string plain(const std::string& name) { return name.empty() ? name : "ad"; }

    void checkCommands() {
        const std::string typed = m_tool.commands.compile(m_tool.tableName);
        const std::string plainText = m_plain.compile(plain(m_tool.tableName));
        if (!m_plainNames) return;
        const bool kotlin = m_language == Language::Kotlin;
        require(fuzz::javaText(typed, kotlin).code == fuzz::javaText(plainText, kotlin).code,
                "a typed name changed the code of the record commands", typed);
    }

    std::vector<std::string_view> m_lines;
    Language m_language;
    test::FakeServices m_services;
    SqliteToolState m_state{"1"};
    SqliteTool m_tool{m_services, m_state, {"Kisiler", "Veritabanim", "com.ornek.uyg"}, m_language};
    test::FakeServices m_plainServices;
    RecordCommands m_plain{m_plainServices, m_language};
    bool m_plainNames = true;
    int m_checks = 0;
    std::vector<std::string> m_specs;
    std::vector<Column> m_raw;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    // Odd sizes write Kotlin, so that every input is tried in both languages as it grows.
    Session(fuzz::bytesOf(data, size), size % 2 ? Language::Kotlin : Language::Java).run();
    return 0;
}
