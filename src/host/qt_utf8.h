#pragma once

#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace nakkas {

// Internal text is UTF-8; Qt's is UTF-16. These are the only crossings, for the Qt Core services
// and the widgets alike.
inline QString qs(std::string_view s) {
    // QString::fromUtf8 drops a leading byte order mark, so a path or a value that starts with
    // one would lose its first character on the way in. Such a text is decoded whole instead.
    if (s.starts_with("\xEF\xBB\xBF")) {
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decode(QByteArrayView(s.data(), qsizetype(s.size())));
    }
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
inline std::string us(const QString& s) {
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), size_t(b.size()));
}

}  // namespace nakkas
