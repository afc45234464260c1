#pragma once

#include <string>
#include <string_view>

namespace nakkas {

// The text with its control characters written out, for a terminal: ESC as "\e", BEL as "\a",
// every other one (C0, DEL, and C1 in its UTF-8 form) as "\xNN" per byte. A text echoed from the
// user's input could otherwise retitle, clear or reprogram the terminal it is shown on. Line
// breaks and tabs stay as they are when keepLineBreaks is set.
std::string visibleText(std::string_view text, bool keepLineBreaks = false);

}  // namespace nakkas
