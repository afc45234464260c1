#pragma once

#include <string_view>

namespace nakkas {

// What a text holds while nothing has been chosen: the current object type, the toast flag, the
// output folder, an icon's source path. Compared exactly.
inline constexpr std::string_view kNoChoice = "YOK";

}  // namespace nakkas
