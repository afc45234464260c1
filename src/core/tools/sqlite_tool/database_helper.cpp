#include "tools/sqlite_tool/database_helper.h"

#include "tools/sqlite_tool/sqlite_templates.h"

#include <algorithm>

namespace nakkas {

namespace {

template <std::size_t N>
std::optional<std::size_t> indexIn(const std::array<std::string_view, N>& list,
                                   std::string_view text) {
    const auto it = std::find(list.begin(), list.end(), text);
    if (it == list.end()) return std::nullopt;
    return std::size_t(it - list.begin());
}

// A literal that stands inside a block comment: a "*/" in it would end the comment there and
// leave the rest as broken code, so it is split into two literals joined with "+", which reads
// as the same text once the line is taken back into the code.
std::string inBlockComment(std::string literal) {
    for (std::size_t at = 0; (at = literal.find("*/", at)) != std::string::npos; at += 7)
        literal.replace(at, 2, "*\" + \"/");
    return literal;
}

}  // namespace

std::optional<std::size_t> columnTypeIndex(std::string_view word) {
    return indexIn(kColumnTypes, word);
}

std::optional<std::size_t> databaseVersionIndex(std::string_view text) {
    return indexIn(kDatabaseVersions, text);
}

std::string columnText(const std::vector<Column>& columns) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        text += c.name;
        text += ' ';
        text += c.type;
        text += ' ';
        if (c.primaryKey) text += "PRIMARY KEY AUTOINCREMENT";
        text += ' ';
        if (c.unique) text += "UNIQUE";
        // The key column has no null word and none of the blank that would lead into it.
        if (!c.primaryKey) {
            text += ' ';
            text += c.notNull ? "NOT NULL" : "NULL";
        }
        text += i + 1 < columns.size() ? ", " : " ";
    }
    return text;
}

std::string createTableStatement(std::string_view tableName, std::string_view columnText) {
    std::string s = "CREATE TABLE ";
    s += tableName;
    s += "( ";
    s += columnText;
    s += " )";
    return s;
}

std::string databaseHelperText(const HelperInput& in) {
    const HelperTemplates& t = sqliteTemplates(in.language).helper;
    // The names stand in string literals; the statement SQLite sees is unchanged.
    const std::string columns = t.quote(columnText(in.columns));
    const std::string table = t.quote(in.tableName);
    const std::string database = t.quote(in.databaseName);
    const std::string_view version = in.version.empty() ? t.defaultVersion : in.version;
    std::string text;
    text.reserve(t.body.size() + 200 + columns.size() + 2 * table.size());
    appendFilled(text, in.packageName.empty() ? t.noPackageLine : t.packageLine,
                 {{'p', in.packageName}});
    appendFilled(text, t.body, {{'d', database}, {'t', table}, {'v', version}, {'s', columns},
                                 {'c', inBlockComment(table)}});
    return text;
}

}  // namespace nakkas
