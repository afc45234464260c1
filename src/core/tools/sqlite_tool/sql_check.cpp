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

bool onlyBlanks(const char* from, const char* to) {
    for (; from < to; ++from)
        if (!std::isspace(static_cast<unsigned char>(*from))) return false;
    return true;
}

}  // namespace

std::optional<std::string> sqliteRefusal(std::string_view statement) {
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    std::unique_ptr<sqlite3, CloseDatabase> db(raw);
    if (opened != SQLITE_OK) return std::string(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(opened));

    sqlite3_stmt* rawStatement = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db.get(), statement.data(), int(statement.size()), &rawStatement, &tail);
    std::unique_ptr<sqlite3_stmt, FinalizeStatement> prepared(rawStatement);
    if (rc != SQLITE_OK) return std::string(sqlite3_errmsg(db.get()));
    // A ';' typed into a name would end the statement early; the phone runs only the first
    // statement, so the rest would be lost without a word.
    const char* end = statement.data() + statement.size();
    if (tail && !onlyBlanks(tail, end))
        return "tek bir komut bekleniyordu, fazladan metin: " + std::string(tail, end);
    return std::nullopt;
}

}  // namespace nakkas
