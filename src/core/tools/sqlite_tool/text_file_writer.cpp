#include "tools/sqlite_tool/text_file_writer.h"

#include "platform/services.h"
#include "text/utf8.h"

namespace nakkas {

const std::string_view kTextFileWriterError =
    "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait projects "
    "dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu hatayı almamak için ZEP "
    "klasörü olarak belirleyeceğiniz yer bilgisayarınızda herhangibir korumasız klasör "
    "olmalıdır.";

namespace {

char windowsTurkishByte(char32_t cp) {
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
        const auto cp = decodeUtf8(utf8Text, i);
        if (!cp) {
            bytes += '?';
        } else if (*cp == '\n') {
            bytes += "\r\n";
        } else if (*cp <= 0xFF) {
            bytes += static_cast<char>(*cp);
        } else {
            bytes += windowsTurkishByte(*cp);
        }
    }
    return bytes;
}

std::string utf8FileBytes(std::string_view utf8Text) {
    std::string bytes;
    bytes.reserve(utf8Text.size());
    for (size_t i = 0; i < utf8Text.size();) {
        const size_t start = i;
        const auto cp = decodeUtf8(utf8Text, i);
        if (!cp) {
            bytes += "\xEF\xBF\xBD";
        } else if (*cp == '\r') {
            bytes += '\n';
            if (i < utf8Text.size() && utf8Text[i] == '\n') ++i;
        } else {
            bytes.append(utf8Text.substr(start, i - start));
        }
    }
    return bytes;
}

namespace {

bool writeBytes(Services& services, const std::string& path, const std::string& bytes) {
    if (services.writeFile(path, bytes)) return true;
    services.messageBox(std::string(kTextFileWriterError), "Hata", MessageIcon::None,
                        MessageButtons::Ok);
    return false;
}

}  // namespace

bool writeTextFile(Services& services, const std::string& path, std::string_view utf8Text) {
    return writeBytes(services, path, textFileBytes(utf8Text));
}

bool writeUtf8TextFile(Services& services, const std::string& path, std::string_view utf8Text) {
    return writeBytes(services, path, utf8FileBytes(utf8Text));
}

}  // namespace nakkas
