#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nakkas {

// Decodes the UTF-8 sequence that starts at text[at] and moves at past it. A broken sequence
// (a stray or missing continuation byte, an overlong form, a surrogate, a value past U+10FFFF)
// gives nullopt and moves at past its first byte only, so a caller can go on from there.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at);

// Appends the UTF-8 bytes of a code point (one of U+0000 to U+10FFFF).
void appendUtf8(std::string& out, char32_t cp);

// True when the bytes are well-formed UTF-8 throughout.
bool isUtf8(std::string_view bytes);

}  // namespace nakkas
