#include "tools/sqlite_tool/text_file_writer.h"

#include <cstdint>

#include "platform/services.h"

namespace nakkas {

const std::string_view kTextFileWriterError =
    "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait projects "
    "dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu hatayı almamak için ZEP "
    "klasörü olarak belirleyeceğiniz yer bilgisayarınızda herhangibir korumasız klasör "
    "olmalıdır.";

namespace {

// Decodes one UTF-8 sequence at text[i]; returns the code point and advances i, or returns
// -1 for a broken sequence (advancing past its first byte).
long decodeNext(std::string_view text, size_t& i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int length = 0;
    long cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return -1;
    }
    if (i + size_t(length) > text.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[i + size_t(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms and surrogates are not characters.
    static constexpr long kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += size_t(length);
    return cp;
}

char windowsTurkishByte(long cp) {
    switch (cp) {
        case 0x011E:
            return char(0xD0);  // Ğ
        case 0x0130:
            return char(0xDD);  // İ
        case 0x015E:
            return char(0xDE);  // Ş
        case 0x011F:
            return char(0xF0);  // ğ
        case 0x0131:
            return char(0xFD);  // ı
        case 0x015F:
            return char(0xFE);  // ş
        default:
            return '?';
    }
}

}  // namespace

std::string textFileBytes(std::string_view utf8Text) {
    std::string bytes;
    bytes.reserve(utf8Text.size() + utf8Text.size() / 16);
    for (size_t i = 0; i < utf8Text.size();) {
        const long cp = decodeNext(utf8Text, i);
        if (cp == '\n') {
            bytes += "\r\n";
        } else if (cp >= 0 && cp <= 0xFF) {
            bytes += static_cast<char>(cp);
        } else {
            bytes += windowsTurkishByte(cp);
        }
    }
    return bytes;
}

bool writeTextFile(Services& services, const std::string& path, std::string_view utf8Text) {
    if (services.writeFile(path, textFileBytes(utf8Text))) return true;
    services.messageBox(std::string(kTextFileWriterError), "Hata", MessageIcon::None,
                        MessageButtons::Ok);
    return false;
}

}  // namespace nakkas
