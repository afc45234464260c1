#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "cli.h"

namespace nakkas::cli {

// "--access TEXT", as "object" and "layout" take it: one of the definer form's list entries,
// spelled as the list shows it. Sets index when the option is given. A text the list does not
// hold is a usage error of the command: it is reported and false returned.
bool readAccess(const Args& args, Context& ctx, std::string_view command,
                std::optional<std::size_t>& index);

}  // namespace nakkas::cli
