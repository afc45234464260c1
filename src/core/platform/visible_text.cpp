#include "platform/visible_text.h"

namespace nakkas {

namespace {

void hex(std::string& out, unsigned char byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

}  // namespace

std::string visibleText(std::string_view text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
        if (c == 0x1B) {
            out += "\\e";
        } else if (c == 0x07) {
            out += "\\a";
        } else if ((c < 0x20 || c == 0x7F) && !(lineBreak && keepLineBreaks)) {
            hex(out, c);
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            hex(out, c);
            hex(out, static_cast<unsigned char>(text[++i]));
        } else {
            out += char(c);
        }
    }
    return out;
}

}  // namespace nakkas
