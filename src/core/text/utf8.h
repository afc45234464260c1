#pragma once

#include <cstddef>
#include <string_view>

namespace nakkas {

// Decodes the UTF-8 sequence at text[i] and moves i past it. Returns the code point, or -1 for a
// byte that starts no well-formed sequence (a stray continuation byte, a sequence cut short, an
// overlong form, a surrogate or a value past U+10FFFF); then i moves past that one byte.
long decodeUtf8(std::string_view text, std::size_t& i);

// True when the bytes are well-formed UTF-8 from start to end.
bool isUtf8(std::string_view text);

}  // namespace nakkas
