// A bare Qt Core program that prints one line.
#include <QString>

#include <cstdio>

int main() {
    const QByteArray line = QStringLiteral("Nakkas\n").toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return 0;
}
