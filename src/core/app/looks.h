#pragma once

#include <span>
#include <string_view>

namespace nakkas {

// The visual styles kept as "ApplicationLook".
struct Look {
    int id;
    std::string_view name;
};

inline constexpr int kDefaultLook = 216;
inline constexpr std::string_view kLookKey = "ApplicationLook";

std::span<const Look> looks();
// The stored number when it names a style, otherwise the default.
int knownLook(int stored);

}  // namespace nakkas
