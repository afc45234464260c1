#pragma once

#include <string_view>

#include "cli.h"

namespace nakkas {
class SqliteTool;
}

namespace nakkas::cli {

// How the usage texts of the SQLite commands explain --column.
inline constexpr char kColumnSpecUsage[] =
    "  TANIM: AD:TİP, ardından isteğe bağlı :notnull ve/veya :unique; birincil anahtar için "
    "AD:pk\n";

// Adds every --column SPEC to the tool, in order, as the dialog's "Listeye Ekle" would, with
// its rules and messages. SPEC is NAME:TYPE[:notnull][:unique] or NAME:pk. Returns kDone, or
// the exit code of the first usage error or refusal.
int addColumns(const Args& args, Context& ctx, std::string_view command, SqliteTool& tool);

}  // namespace nakkas::cli
