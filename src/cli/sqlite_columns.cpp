#include "sqlite_columns.h"

#include <vector>

#include "tools/sqlite_tool/sqlite_tool.h"

namespace nakkas::cli {

namespace {

struct ColumnSpec {
    std::string name;
    std::size_t type = 0;
    bool key = false, notNull = false, unique = false;
};

// Reads from the right, so that a name may hold ':' itself.
bool parseSpec(const std::string& spec, ColumnSpec& out, std::string& error) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = spec.find(':', from)) != std::string::npos; from = at + 1)
        parts.push_back(spec.substr(from, at - from));
    parts.push_back(spec.substr(from));
    if (parts.size() < 2) {
        error = "hücre AD:TİP biçiminde verilir: " + spec;
        return false;
    }
    while (parts.size() > 2 && (parts.back() == "notnull" || parts.back() == "unique")) {
        (parts.back() == "notnull" ? out.notNull : out.unique) = true;
        parts.pop_back();
    }
    const std::string type = parts.back();
    parts.pop_back();
    for (std::size_t i = 0; i < parts.size(); ++i) out.name += (i ? ":" : "") + parts[i];
    if (type == "pk") {
        if (out.notNull || out.unique) {
            error = "birincil anahtar notnull ya da unique alamaz: " + spec;
            return false;
        }
        out.key = true;
        return true;
    }
    const auto index = columnTypeIndex(type);
    if (!index) {
        error = "bilinmeyen hücre tipi: " + type;
        return false;
    }
    out.type = *index;
    return true;
}

}  // namespace

int addColumns(const Args& args, Context& ctx, std::string_view command, SqliteTool& tool) {
    std::vector<ColumnSpec> specs;
    for (const std::string& text : args.all("column")) {
        ColumnSpec spec;
        std::string error;
        if (!parseSpec(text, spec, error)) return usageError(ctx, command, error);
        specs.push_back(std::move(spec));
    }
    for (const ColumnSpec& spec : specs) {
        if (spec.key && !tool.setPrimaryKeyBox(true).ok()) return kRefused;
        tool.chooseNewType(spec.type);
        tool.columnName = spec.name;
        tool.notNullBox = spec.notNull;
        tool.uniqueBox = spec.unique;
        if (!tool.addColumn().ok()) return kRefused;
    }
    return kDone;
}

}  // namespace nakkas::cli
