// Build-time tool: renders each SVG icon at the sizes the window paints and stores the pixels raw
// (premultiplied ARGB32, row after row, no header: the size is in the file name). Start-up then
// copies pixels instead of parsing SVG or decoding PNG, and never loads an image-format plugin.
// Usage: icon_bake OUTPUT_DIR QRC_FILE SVG...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

#include "icon_sizes.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_bake OUTPUT_DIR QRC_FILE SVG...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QFile qrc(QString::fromLocal8Bit(argv[2]));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (int i = 3; i < argc; ++i) {
        const QString svg = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "icon_bake: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString name = QFileInfo(svg).completeBaseName();
        QList<int> sizes(nakkas::kIconSizes.begin(), nakkas::kIconSizes.end());
        if (name == QLatin1StringView(nakkas::kCardIconName)) sizes << nakkas::kCardIconSize;
        for (int size : sizes) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            const QString file = QStringLiteral("%1-%2.argb").arg(name).arg(size);
            QFile raw(out.filePath(file));
            if (!raw.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
            for (int y = 0; y < size; ++y) {
                const auto* line = reinterpret_cast<const char*>(image.constScanLine(y));
                if (raw.write(line, qint64(size) * 4) != qint64(size) * 4) return 1;
            }
            list << "    <file alias=\"icons/" << file << "\">" << out.filePath(file) << "</file>\n";
        }
    }
    list << "  </qresource>\n</RCC>\n";
    return 0;
}
