#include "text/escape.h"

namespace nakkas {

std::string xmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
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
