#include "tools/sqlite_tool/sql_check.h"

#include <sqlite3.h>

#include <cctype>
#include <memory>

namespace nakkas {

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

bool onlyBlanks(const char* from, const char* to) {
    for (; from < to; ++from)
        if (!std::isspace(static_cast<unsigned char>(*from))) return false;
    return true;
}

// A name as SQLite keeps it: one written in quotes ("a b", [a b], `a b`) stands for what is
// inside them.
std::string sqlName(std::string_view written) {
    if (written.size() < 2) return std::string(written);
    const char open = written.front(), close = written.back();
    const bool quoted = (open == '"' && close == '"') || (open == '`' && close == '`') ||
                        (open == '\'' && close == '\'') || (open == '[' && close == ']');
    if (!quoted) return std::string(written);
    std::string name;
    const std::string_view inside = written.substr(1, written.size() - 2);
    for (std::size_t i = 0; i < inside.size(); ++i) {
        name += inside[i];
        if (open != '[' && inside[i] == close && i + 1 < inside.size() && inside[i + 1] == close)
            ++i;
    }
    return name;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string text(sqlite3_stmt* s, int column) {
    const auto* bytes = sqlite3_column_text(s, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes)) : std::string();
}

// The first difference between the table SQLite made and the designed one, if any.
std::string difference(sqlite3* db, std::string_view tableName,
                       const std::vector<Column>& columns) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                       "'sqlite\\_%' ESCAPE '\\'",
                       -1, &raw, nullptr);
    Statement tables(raw);
    if (sqlite3_step(tables.get()) != SQLITE_ROW) return "SQLite hiç tablo oluşturmadı";
    const std::string made = text(tables.get(), 0);
    if (made != sqlName(tableName))
        return "tablonun adı SQLite için " + quoted(made) + ", tasarımda " + quoted(tableName);

    raw = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)", -1,
                       &raw, nullptr);
    Statement info(raw);
    sqlite3_bind_text(info.get(), 1, made.data(), int(made.size()), SQLITE_TRANSIENT);
    std::size_t i = 0;
    for (; sqlite3_step(info.get()) == SQLITE_ROW; ++i) {
        if (i >= columns.size()) continue;  // only counted
        const Column& c = columns[i];
        const std::string name = text(info.get(), 0), type = text(info.get(), 1);
        const bool notNull = sqlite3_column_int(info.get(), 2) != 0;
        const bool key = sqlite3_column_int(info.get(), 3) != 0;
        const std::string which = quoted(c.name) + " hücresi";
        if (name != sqlName(c.name))
            return std::to_string(i + 1) + ". hücrenin adı SQLite için " + quoted(name) +
                   ", tasarımda " + quoted(c.name);
        if (type != c.type)
            return quoted(c.name) + " hücresinin tipi SQLite için " + quoted(type) +
                   ", tasarımda " + quoted(c.type);
        if (key != c.primaryKey)
            return which + (key ? " SQLite için birincil anahtar, tasarımda değil"
                                : " SQLite için birincil anahtar değil, tasarımda öyle");
        if (notNull != c.notNull)
            return which + (notNull ? " SQLite için boş geçilemez, tasarımda geçilebilir"
                                    : " SQLite için boş geçilebilir, tasarımda geçilemez");
    }
    if (i != columns.size())
        return "SQLite tabloda " + std::to_string(i) + " hücre görüyor, tasarımda " +
               std::to_string(columns.size()) + " hücre var";
    return {};
}

}  // namespace

TableCheck checkTable(std::string_view tableName, const std::vector<Column>& columns) {
    using V = TableCheck::Verdict;
    const std::string statement = createTableStatement(tableName, columnText(columns));
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK)
        return {V::Refused, raw ? sqlite3_errmsg(raw) : sqlite3_errstr(opened)};
    // A name can make the statement a query of its own ("x AS WITH RECURSIVE ..."); it is
    // stopped after a bounded amount of work.
    int budget = 10000;
    sqlite3_progress_handler(
        db.get(), 1000, [](void* left) { return --*static_cast<int*>(left) < 0 ? 1 : 0; }, &budget);

    sqlite3_stmt* rawStatement = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db.get(), statement.data(), int(statement.size()), &rawStatement, &tail);
    Statement prepared(rawStatement);
    if (rc != SQLITE_OK) return {V::Refused, sqlite3_errmsg(db.get())};
    // A ';' typed into a name would end the statement early; the phone runs only the first
    // statement, so the rest would be lost without a word.
    const char* end = statement.data() + statement.size();
    if (tail && !onlyBlanks(tail, end))
        return {V::Refused,
                "tek bir komut bekleniyordu, fazladan metin: " + std::string(tail, end)};
    if (sqlite3_step(prepared.get()) != SQLITE_DONE) return {V::Refused, sqlite3_errmsg(db.get())};
    prepared.reset();
    if (std::string d = difference(db.get(), tableName, columns); !d.empty())
        return {V::Differs, std::move(d)};
    return {};
}

}  // namespace nakkas
