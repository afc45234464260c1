#include "icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

#include <array>
#include <cstring>

#include "icon_sizes.h"
#include "qt_text.h"

// The rendered icons live in this static library: pull them in by name.
static void initIconResources() {
    Q_INIT_RESOURCE(nakkas_icons);
}

namespace nakkas {

namespace {

// Every size the build renders, the card's own last.
constexpr auto kSizes = [] {
    std::array<int, kIconSizes.size() + 1> sizes{};
    for (std::size_t i = 0; i < kIconSizes.size(); ++i) sizes[i] = kIconSizes[i];
    sizes.back() = kCardIconSize;
    return sizes;
}();

// One rendered size of an icon from the resources: raw premultiplied ARGB32 pixels, row after
// row, compressed in the resources. Cached, so that each size is inflated once per run.
bool loadRendered(const QString& name, int size, QPixmap* pm) {
    const QString key = QStringLiteral(":/icons/%1/%2").arg(size).arg(name);
    if (QPixmapCache::find(key, pm)) return true;
    const QResource resource(key);
    if (!resource.isValid()) return false;
    const QByteArray bytes = resource.uncompressedData();
    const qsizetype rowBytes = qsizetype(size) * 4;
    if (bytes.size() != rowBytes * size) return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size; ++y)
        std::memcpy(image.scanLine(y), bytes.constData() + y * rowBytes, size_t(rowBytes));
    *pm = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, *pm);
    return true;
}

// Decodes only the one rendered size a paint needs, when it is first needed: most icons sit on
// ribbon pages that are never shown, and decoding every size of every icon up front would
// double the start-up time.
class RenderedIconEngine : public QIconEngine {
public:
    explicit RenderedIconEngine(QString name) : m_name(std::move(name)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int want = qMax(size.width(), size.height());
        QPixmap pm;
        for (int s : kSizes) {
            if (s < want && s != kSizes.back()) continue;
            if (loadRendered(m_name, s, &pm)) break;
        }
        // More than the largest size of an icon other than the card.
        if (pm.isNull()) loadRendered(m_name, kIconSizes.back(), &pm);
        if (pm.isNull()) return pm;
        if (pm.size() != size) pm = pm.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * dpr, mode, state);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new RenderedIconEngine(m_name); }
    QString key() const override { return QStringLiteral("nakkas-rendered"); }

private:
    QString m_name;
};

}  // namespace

QIcon programIcon(std::string_view name) {
    static const bool ready = (initIconResources(), true);
    (void)ready;
    return QIcon(new RenderedIconEngine(qs(name)));
}

}  // namespace nakkas
