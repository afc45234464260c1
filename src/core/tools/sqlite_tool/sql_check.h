#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/sqlite_tool/database_helper.h"

namespace nakkas {

// What SQLite makes of the table statement onCreate will run.
struct TableCheck {
    enum class Verdict { Accepted, Refused, Differs };
    Verdict verdict = Verdict::Accepted;
    // SQLite's own refusal, or the first way in which its table differs from the design.
    std::string message;
};

// Compiles the statement in a throw-away in-memory SQLite database and, when SQLite takes it,
// runs it there and compares the table made with the design: its name, then each column's name,
// type, key and not null, in order. A statement that compiles can still mean another table: a
// name that holds a parenthesis or a comment, or a column name of blanks, moves the words.
TableCheck checkTable(std::string_view tableName, const std::vector<Column>& columns);

}  // namespace nakkas
