// Every look keeps text readable: disabled controls and links are measured on the rendered pixels.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

#include "app/looks_palette.h"
#include "ui_support.h"

namespace nakkas::test {
namespace {

// The contrast ratio of two colours, from their relative luminance, as accessibility guidelines
// measure it.
double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a control's text: it is drawn once with its text and once without, and the
// pixels that differ are the text. The strongest of them against the pixel behind it counts, as
// the eye reads the cores of the strokes, not their antialiased edges.
double textContrast(const std::function<QWidget*(const QString&)>& make, const QString& text,
                    bool enabled) {
    const auto render = [&](const QString& t) {
        std::unique_ptr<QWidget> w(make(t));
        w->setEnabled(enabled);
        w->resize(w->sizeHint().expandedTo(QSize(200, 40)));
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage with = render(text), without = render(QString());
    double best = 1.0;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y)
        for (int x = 0; x < std::min(with.width(), without.width()); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
    return best;
}

TEST(Looks, DisabledTextAndLinksStayReadableInEveryLook) {
    const QString text = QStringLiteral("Listele Yeni Tasarım");
    const std::pair<const char*, std::function<QWidget*(const QString&)>> disabled[] = {
        {"button", [](const QString& t) { return new QPushButton(t); }},
        {"drop-down",
         [](const QString& t) {
             auto* box = new QComboBox;
             box->addItem(t);
             return box;
         }},
        {"field", [](const QString& t) { return new QLineEdit(t); }},
        {"check box", [](const QString& t) { return new QCheckBox(t); }},
        {"label", [](const QString& t) { return new QLabel(t); }},
        {"group title", [](const QString& t) { return new QGroupBox(t); }},
    };
    for (const nakkas::Look& look : nakkas::looks()) {
        nakkas::applyLook(look.id);
        for (const auto& [name, make] : disabled)
            EXPECT_GE(textContrast(make, text, false), 3.0) << look.id << " disabled " << name;
        const auto link = [](const QString& t) {
            return new QLabel(t.isEmpty() ? t : QStringLiteral("<a href=\"v\">%1</a>").arg(t));
        };
        EXPECT_GE(textContrast(link, QStringLiteral("Konu Hakkında Video Yardım"), true), 4.5)
            << look.id << " link";
    }
    nakkas::applyLook(nakkas::kDefaultLook);
}

}  // namespace
}  // namespace nakkas::test
