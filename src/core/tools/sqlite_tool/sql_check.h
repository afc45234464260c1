#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nakkas {

// Compiles one SQL statement in a throw-away in-memory SQLite database, without running it.
// Returns SQLite's own error message when SQLite refuses it, nothing when it accepts it.
std::optional<std::string> sqliteRefusal(std::string_view statement);

}  // namespace nakkas
