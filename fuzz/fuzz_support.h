#pragma once

// What the fuzz targets share: a failed property aborts with its reason (libFuzzer then keeps
// the input as a crash), and most inputs are read as lines of "verb rest" events, so that the
// seeds stay readable and the dictionaries' words land where they count.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nakkas::fuzz {

[[noreturn]] inline void fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "\n== property failed: %.*s\n", int(what.size()), what.data());
    if (!detail.empty())
        std::fprintf(stderr, "== detail: %.*s\n", int(detail.size()), detail.data());
    std::abort();
}

inline void require(bool holds, std::string_view what, std::string_view detail = {}) {
    if (!holds) fail(what, detail);
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input's lines, without their LF; a CR before the LF stays, as typed text may hold one.
inline std::vector<std::string_view> lines(std::string_view input) {
    std::vector<std::string_view> out;
    while (!input.empty()) {
        const auto lf = input.find('\n');
        out.push_back(input.substr(0, lf));
        if (lf == std::string_view::npos) break;
        input.remove_prefix(lf + 1);
    }
    return out;
}

// One event: the first word, and the rest of the line after one blank.
struct Event {
    std::string_view verb;
    std::string_view rest;
};

inline Event event(std::string_view line) {
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos) return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

// A small number written plainly; anything else is nothing, and big numbers are cut to keep a
// run short.
inline std::optional<int> number(std::string_view text, int limit = 1000) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n > limit ? limit : n;
}

// Well-formed UTF-8 by the table of well-formed byte sequences in the Unicode standard, written
// apart from the program's own decoder so that the two can be compared. Gives the length of the
// character that starts at `at`, or 0 when the bytes there start none.
inline std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const auto in = [&](std::size_t k, unsigned lo, unsigned hi) {
        return at + k < text.size() && byte(k) >= lo && byte(k) <= hi;
    };
    const unsigned b0 = byte(0);
    if (b0 <= 0x7F) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) return in(1, 0x80, 0xBF) ? 2 : 0;
    if (b0 == 0xE0) return in(1, 0xA0, 0xBF) && in(2, 0x80, 0xBF) ? 3 : 0;
    if ((b0 >= 0xE1 && b0 <= 0xEC) || b0 == 0xEE || b0 == 0xEF)
        return in(1, 0x80, 0xBF) && in(2, 0x80, 0xBF) ? 3 : 0;
    if (b0 == 0xED) return in(1, 0x80, 0x9F) && in(2, 0x80, 0xBF) ? 3 : 0;
    if (b0 == 0xF0) return in(1, 0x90, 0xBF) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    if (b0 >= 0xF1 && b0 <= 0xF3)
        return in(1, 0x80, 0xBF) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    if (b0 == 0xF4) return in(1, 0x80, 0x8F) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    return 0;
}

inline bool wellFormedUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = utf8Length(text, at);
        if (n == 0) return false;
        at += n;
    }
    return true;
}

// The code point of a well-formed character of the given length.
inline char32_t codePoint(std::string_view text, std::size_t at, std::size_t length) {
    const auto b = [&](std::size_t k) {
        return char32_t(static_cast<unsigned char>(text[at + k]));
    };
    switch (length) {
        case 1:
            return b(0);
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
    }
}

}  // namespace nakkas::fuzz

namespace nakkas::fuzz {

// Java or Kotlin text as the compiler's lexer sees it: the code with comments dropped and each
// string or character literal as an empty pair of quotes, and the literals' values in order.
// Typed text that stays inside its literal changes the values and never the code. In Kotlin a
// template ("$name", "${...}") is code inside a literal: it shows in the code as "${}" and its
// '$' stays in the value, while an escaped "\$" is a plain '$' of the value. Kotlin's block
// comments nest.
struct JavaText {
    std::string code;
    std::vector<std::string> literals;
};

inline JavaText javaText(std::string_view t, bool kotlin = false) {
    JavaText out;
    std::size_t i = 0;
    const auto at = [&](std::string_view s) { return t.substr(i).starts_with(s); };
    const auto templateStart = [](char c) {
        return c == '{' || c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    };
    while (i < t.size()) {
        if (at("//")) {
            while (i < t.size() && t[i] != '\n') ++i;
        } else if (at("/*") && !kotlin) {  // Java: the first "*/" ends it
            const auto end = t.find("*/", i + 2);
            i = end == std::string_view::npos ? t.size() : end + 2;
        } else if (at("/*")) {
            int depth = 0;
            do {
                if (at("/*")) {
                    ++depth;
                    i += 2;
                } else if (at("*/")) {
                    --depth;
                    i += 2;
                } else {
                    ++i;
                }
            } while (depth > 0 && i < t.size());
        } else if (t[i] == '"' || t[i] == '\'') {
            const char quote = t[i++];
            std::string value;
            while (i < t.size() && t[i] != quote) {
                if (t[i] == '\\' && i + 1 < t.size()) {
                    const char c = t[i + 1];
                    value += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
                    if (c != '"' && c != '\'' && c != '\\' && c != 'n' && c != 't' && c != 'r' &&
                        !(kotlin && c == '$'))
                        value.insert(value.size() - 1, 1, '\\');  // kept as written
                    i += 2;
                } else {
                    if (kotlin && t[i] == '$' && i + 1 < t.size() && templateStart(t[i + 1]))
                        out.code += "${}";
                    value += t[i++];
                }
            }
            ++i;
            out.code += std::string(2, quote);
            if (quote == '"') out.literals.push_back(std::move(value));
        } else {
            out.code += t[i++];
        }
    }
    return out;
}

inline bool plainJava(std::string_view text) {
    return text.find_first_of("\"'\\/*\r\n") == std::string_view::npos;
}

}  // namespace nakkas::fuzz
