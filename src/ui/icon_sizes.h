#pragma once

// The sizes the build renders each icon at, read both by the build step that renders them and by
// the window that loads them. Plain C++ so that the build tool needs nothing of the ui library.

#include <array>
#include <string_view>

namespace nakkas {

inline constexpr std::array<int, 5> kIconSizes{16, 22, 32, 48, 64};

// The card dialog shows its picture larger than any button does.
inline constexpr std::string_view kCardIconName = "card";
inline constexpr int kCardIconSize = 160;

}  // namespace nakkas
