#include "tools/sqlite_tool/text_file_writer.h"

#include <cstdint>

#include "platform/services.h"
#include "text/utf8.h"

namespace nakkas {

const std::string_view kTextFileWriterError =
    "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait projects "
    "dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu hatayı almamak için ZEP "
    "klasörü olarak belirleyeceğiniz yer bilgisayarınızda herhangibir korumasız klasör "
    "olmalıdır.";

namespace {

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
        const long cp = decodeUtf8(utf8Text, i);
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
