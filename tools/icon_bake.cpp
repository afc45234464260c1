// Build-time tool: renders each SVG icon at the sizes the window paints and stores the pixels raw
// (premultiplied ARGB32, row after row, no header: the size is in the file name). Start-up then
// copies pixels instead of parsing SVG or decoding PNG, and never loads an image-format plugin.
// Usage: icon_bake OUTPUT_DIR QRC_FILE SVG...
//        icon_bake --png SVG SIZE OUTPUT_PNG   (the application icon for the desktop's theme)
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <cstring>

#include "icon_sizes.h"

namespace {

QImage render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

int writePng(const char* svg, const char* sizeText, const char* output) {
    bool ok = false;
    const int size = QString::fromLatin1(sizeText).toInt(&ok);
    if (!ok || size <= 0 || size > 1024) {
        std::fprintf(stderr, "icon_bake: bad size %s\n", sizeText);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(svg));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "icon_bake: cannot read %s\n", svg);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(output);
    QDir().mkpath(QFileInfo(out).path());
    // Themes expect straight alpha in the file.
    if (!render(renderer, size).convertToFormat(QImage::Format_ARGB32).save(out, "PNG")) {
        std::fprintf(stderr, "icon_bake: cannot write %s\n", output);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--png") == 0) return writePng(argv[2], argv[3], argv[4]);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: icon_bake OUTPUT_DIR QRC_FILE SVG...\n"
                     "       icon_bake --png SVG SIZE OUTPUT_PNG\n");
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
            const QImage image = render(renderer, size);
            const QString file = QStringLiteral("%1-%2.argb").arg(name).arg(size);
            QFile raw(out.filePath(file));
            if (!raw.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
            for (int y = 0; y < size; ++y) {
                const auto* line = reinterpret_cast<const char*>(image.constScanLine(y));
                if (raw.write(line, qint64(size) * 4) != qint64(size) * 4) return 1;
            }
            // One folder per size: the resource compiler stores a folder's files side by side,
            // so the few sizes a screen paints share a few pages of the program.
            list << "    <file alias=\"icons/" << size << '/' << name << "\">" << out.filePath(file)
                 << "</file>\n";
        }
    }
    list << "  </qresource>\n</RCC>\n";
    return 0;
}
