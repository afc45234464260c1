// The text file writers and the UTF-8 handling, on any bytes.
//
// The program's decoder is compared, position by position, with one written here from the table
// of well-formed UTF-8 in the Unicode standard. Every byte the writers put on disk must follow
// from the input's characters: a broken sequence gives one replacement per byte and never takes
// the character after it along. The escapes for XML attributes, Java literals and the terminal
// must undo to the text they were given, and the crossing into Qt and back keeps every
// character.

#include <string>
#include <string_view>
#include <vector>

#include "fake_services.h"
#include "fuzz_support.h"
#include "platform/visible_text.h"
#include "qt_utf8.h"
#include "text/escape.h"
#include "text/utf8.h"
#include "tools/sqlite_tool/text_file_writer.h"

using namespace nakkas;
using nakkas::fuzz::require;

namespace {

// An encoder of the target's own, so that the expected bytes share no fault with the code under
// test.
void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Calls f(codePoint, ok) for each character, or for each byte that starts none.
template <class F>
void eachCharacter(std::string_view text, F f) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = fuzz::utf8Length(text, i);
        if (n == 0) {
            f(char32_t(static_cast<unsigned char>(text[i])), false);
            ++i;
        } else {
            f(fuzz::codePoint(text, i, n), true);
            i += n;
        }
    }
}

void checkDecoder(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t at = i;
        const auto cp = decodeUtf8(text, at);
        const std::size_t n = fuzz::utf8Length(text, i);
        if (n == 0) {
            require(!cp && at == i + 1, "a broken sequence decodes, or takes more than one byte",
                    std::to_string(i));
        } else {
            require(cp && *cp == fuzz::codePoint(text, i, n) && at == i + n,
                    "a character decodes wrongly", std::to_string(i));
        }
    }
    require(isUtf8(text) == fuzz::wellFormedUtf8(text), "isUtf8 disagrees with the standard");
}

// The old writer's file: one byte per character in the Turkish Windows code page.
std::string windowsBytes(std::string_view text) {
    std::string out;
    eachCharacter(text, [&](char32_t cp, bool ok) {
        static constexpr std::pair<char32_t, unsigned char> kTurkish[] = {
            {U'Ğ', 0xD0}, {U'İ', 0xDD}, {U'Ş', 0xDE}, {U'ğ', 0xF0}, {U'ı', 0xFD}, {U'ş', 0xFE}};
        if (!ok) return void(out += '?');
        if (cp == '\n') return void(out += "\r\n");
        if (cp <= 0xFF) return void(out += char(cp));
        for (const auto& [letter, byte] : kTurkish)
            if (cp == letter) return void(out += char(byte));
        out += '?';
    });
    return out;
}

// Today's source file: UTF-8 with LF line ends, U+FFFD for each broken byte.
std::string utf8Bytes(std::string_view text) {
    std::string out;
    bool afterCr = false;
    eachCharacter(text, [&](char32_t cp, bool ok) {
        const bool lfOfCrLf = afterCr && ok && cp == '\n';
        afterCr = ok && cp == '\r';
        if (lfOfCrLf) return;
        if (!ok) return append(out, 0xFFFD);
        append(out, cp == '\r' ? U'\n' : cp);
    });
    return out;
}

void checkWriters(std::string_view text) {
    const std::string windows = textFileBytes(text);
    require(windows == windowsBytes(text), "the text file bytes do not follow the characters");
    const std::string utf8 = utf8FileBytes(text);
    require(utf8 == utf8Bytes(text), "the UTF-8 file bytes do not follow the characters");
    require(fuzz::wellFormedUtf8(utf8), "a UTF-8 file that is not UTF-8");
    if (fuzz::wellFormedUtf8(text) && text.find('\r') == std::string_view::npos)
        require(utf8 == text, "a UTF-8 text with LF line ends is not written as it is");

    test::FakeServices services;
    services.fs.folders.insert("/ev");
    services.fs.cannotCreate.insert("/ev/olmaz.txt");
    require(writeTextFile(services, "/ev/a.txt", text) && services.fs.files["/ev/a.txt"] == windows,
            "the text file writer wrote other bytes");
    require(writeUtf8TextFile(services, "/ev/b.kt", text) && services.fs.files["/ev/b.kt"] == utf8,
            "the UTF-8 writer wrote other bytes");
    require(services.messages.empty(), "a write that worked showed a message");
    require(!writeTextFile(services, "/ev/olmaz.txt", text) && services.messages.size() == 1 &&
                !services.fs.files.count("/ev/olmaz.txt"),
            "a write that failed is not reported once, or left a file");
}

bool steers(unsigned char c, unsigned char next, bool keepLineBreaks) {
    if (keepLineBreaks && (c == '\n' || c == '\r' || c == '\t')) return false;
    return c < 0x20 || c == 0x7F || (c == 0xC2 && next >= 0x80 && next <= 0x9F);
}

void checkVisible(std::string_view text) {
    for (const bool keep : {false, true}) {
        const std::string shown = visibleText(text, keep);
        bool clean = true;
        for (std::size_t i = 0; i < text.size(); ++i)
            clean = clean && !steers(text[i], i + 1 < text.size() ? text[i + 1] : 0, keep);
        for (std::size_t i = 0; i < shown.size(); ++i)
            require(!steers(shown[i], i + 1 < shown.size() ? shown[i + 1] : 0, keep),
                    "a control character reaches the terminal", shown);
        if (clean) require(shown == text, "a text without control characters was changed");
        if (fuzz::wellFormedUtf8(text))
            require(fuzz::wellFormedUtf8(shown), "showing a UTF-8 text broke its UTF-8");
    }
}

// The characters no XML file can hold, whether written or referred to: the control characters
// but tab and the line breaks, U+FFFE and U+FFFF.
std::string xmlCharactersOnly(std::string_view text) {
    std::string out;
    eachCharacter(text, [&](char32_t cp, bool ok) {
        if (!ok) return void(out += char(cp));
        if ((cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r') || cp == 0xFFFE || cp == 0xFFFF)
            return;
        append(out, cp);
    });
    return out;
}

void checkXmlAttribute(std::string_view text) {
    const std::string escaped = xmlAttribute(text);
    require(escaped.find_first_of("<>\"") == std::string::npos,
            "an XML attribute value holds < > or \"", escaped);
    std::string back;
    for (std::size_t i = 0; i < escaped.size();) {
        if (escaped[i] != '&') {
            back += escaped[i++];
            continue;
        }
        const std::string_view rest = std::string_view(escaped).substr(i);
        bool known = false;
        for (const auto& [entity, c] : {std::pair{"&amp;", '&'}, std::pair{"&lt;", '<'},
                                        std::pair{"&gt;", '>'}, std::pair{"&quot;", '"'}})
            if (rest.starts_with(entity)) {
                back += c;
                i += std::string_view(entity).size();
                known = true;
                break;
            }
        require(known, "a bare & in an XML attribute value", escaped);
    }
    require(back == xmlCharactersOnly(text),
            "an XML attribute value does not read back as the text's XML characters");
    if (text.find_first_of("&<>\"") == std::string_view::npos && back == text)
        require(escaped == text, "a text that needs no escape was changed");
}

void checkJavaString(std::string_view text) {
    const std::string escaped = javaString(text);
    const fuzz::JavaText java = fuzz::javaText("\"" + escaped + "\"");
    require(java.code == "\"\"" && java.literals.size() == 1 && java.literals[0] == text,
            "a Java string literal does not read back as the text", escaped);
    if (text.find_first_of("\"\\") == std::string_view::npos)
        require(escaped == text, "a text that needs no escape was changed");
}

// Qt's strings are UTF-16: a well-formed text crosses and comes back unchanged, and a broken
// sequence costs nothing but itself.
void checkQtCrossing(std::string_view text) {
    const std::string back = us(qs(text));
    if (fuzz::wellFormedUtf8(text)) return require(back == text, "UTF-8 did not cross Qt intact");
    require(fuzz::wellFormedUtf8(back), "Qt gave back text that is not UTF-8");
    std::u32string kept, came;
    eachCharacter(text, [&](char32_t cp, bool ok) {
        if (ok && cp != 0xFFFD) kept += cp;
    });
    eachCharacter(back, [&](char32_t cp, bool) {
        if (cp != 0xFFFD) came += cp;
    });
    require(kept == came, "crossing into Qt lost or changed a character next to broken bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    checkDecoder(text);
    checkWriters(text);
    checkVisible(text);
    checkXmlAttribute(text);
    checkJavaString(text);
    checkQtCrossing(text);
    return 0;
}
