#include "text/escape.h"

namespace nakkas {

std::string xmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // XML has no way to write the control characters (but tab and the line breaks) nor
        // U+FFFE and U+FFFF, not even as references: one pasted into a title would make the
        // whole file unreadable, so it is left out.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
        if (text.substr(i).starts_with("\xEF\xBF\xBE") ||
            text.substr(i).starts_with("\xEF\xBF\xBF")) {
            i += 2;
            continue;
        }
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string javaString(std::string_view text) {
    if (text.find_first_of("\"\\") == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::string kotlinString(std::string_view text) {
    if (text.find_first_of("\"\\$\r\n") == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '"':
            case '\\':
            case '$':
                out += '\\';
                out += c;
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace nakkas
