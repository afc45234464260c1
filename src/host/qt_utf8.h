#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace nakkas {

// Internal text is UTF-8; Qt's is UTF-16. These are the only crossings, for the Qt Core services
// and the widgets alike.
inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
inline std::string us(const QString& s) {
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), size_t(b.size()));
}

}  // namespace nakkas
