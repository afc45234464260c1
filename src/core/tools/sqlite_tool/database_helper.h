#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/language.h"

namespace nakkas {

// The column type words, in the order both type lists show them.
inline constexpr std::array<std::string_view, 12> kColumnTypes = {
    "INTEGER", "TEXT", "REAL",    "BOOLEAN",  "FLOAT",     "NUMERIC",
    "DATE",    "TIME", "VARCHAR", "NVARCHAR", "TIMESTAMP", "BLOB"};

// Position of a type word in kColumnTypes, if it is one.
std::optional<std::size_t> columnTypeIndex(std::string_view word);

// The database versions the SQLite tool and the program settings offer, in list order.
inline constexpr std::array<std::string_view, 3> kDatabaseVersions = {"1", "2", "3"};

// Position of a version text in kDatabaseVersions; a stored text that is none of them selects
// no entry.
std::optional<std::size_t> databaseVersionIndex(std::string_view text);

// One column of the table being designed.
struct Column {
    std::string name;
    std::string type;
    bool primaryKey = false;
    bool notNull = false;
    bool unique = false;

    bool operator==(const Column&) const = default;
};

// What the DatabaseHelper class is made from. Every text goes in exactly as typed.
struct HelperInput {
    std::vector<Column> columns;
    std::string packageName;
    std::string databaseName;
    std::string tableName;
    std::string version;  // empty when no version entry is chosen
    Language language = Language::Java;
};

// The column definitions of the CREATE TABLE statement. Empty words keep the blanks around
// them, so runs of two and three blanks are part of the text.
std::string columnText(const std::vector<Column>& columns);

// The statement onCreate runs on the phone.
std::string createTableStatement(std::string_view tableName, std::string_view columnText);

// The whole DatabaseHelper class: the Java text with its mix of LF and CR LF line ends, or the
// Kotlin one with LF alone.
std::string databaseHelperText(const HelperInput& input);

}  // namespace nakkas
