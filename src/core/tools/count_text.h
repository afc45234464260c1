#pragma once

#include <optional>
#include <string_view>

namespace nakkas {

// The count boxes of the menu designer and the Tab Host wizard take exactly one digit from 1 to
// max: " 3", "03" and "3 " are refused like "7", so a count never comes from a sloppy
// conversion.
inline std::optional<int> countFromText(std::string_view text, int max) {
    if (text.size() != 1 || text[0] < '1' || text[0] > char('0' + max)) return std::nullopt;
    return text[0] - '0';
}

}  // namespace nakkas
