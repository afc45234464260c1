#include "looks_palette.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace nakkas {

namespace {

struct Colours {
    QColor window, button, text, base, highlight;
};

// Text that must stay readable when its control is disabled or when it is a link: each pair is
// chosen for at least 3:1 (disabled) and 4.5:1 (links) against what it is drawn on.
struct Readable {
    QColor disabledText, disabledButton, link, visitedLink;
};

Readable readableOf(const Colours& c) {
    if (c.text == Qt::white)  // dark: disabled buttons sink to the window colour
        return {QColor(0xd4, 0xd4, 0xd4), c.window, QColor(0xb0, 0xdc, 0xff),
                QColor(0xdc, 0xc0, 0xff)};
    return {QColor(0x6d, 0x6d, 0x6d), c.button, QColor(0x0b, 0x4f, 0xa8), QColor(0x6a, 0x3f, 0xa0)};
}

// The Office 2007 colour schemes get a tinted frame; the others stay close to Fusion's own.
Colours coloursOf(int look) {
    switch (look) {
        case 215:
            return {QColor(0xd5, 0xe3, 0xf4), QColor(0xe3, 0xed, 0xf9), Qt::black, Qt::white,
                    QColor(0x3a, 0x76, 0xc4)};
        case 216:
            return {QColor(0x53, 0x57, 0x5e), QColor(0x6a, 0x6e, 0x75), Qt::white, Qt::white,
                    QColor(0xe0, 0x8a, 0x1e)};
        case 217:
            return {QColor(0xe6, 0xe8, 0xec), QColor(0xf1, 0xf2, 0xf5), Qt::black, Qt::white,
                    QColor(0x6b, 0x7a, 0x90)};
        case 218:
            return {QColor(0xd7, 0xee, 0xf0), QColor(0xe6, 0xf5, 0xf6), Qt::black, Qt::white,
                    QColor(0x1f, 0x8a, 0x95)};
        case 206:
        case 208:
            return {QColor(0xee, 0xed, 0xe6), QColor(0xf6, 0xf5, 0xef), Qt::black, Qt::white,
                    QColor(0x31, 0x6a, 0xc5)};
        default:
            return {QColor(0xef, 0xef, 0xef), QColor(0xf5, 0xf5, 0xf5), Qt::black, Qt::white,
                    QColor(0x30, 0x8c, 0xc6)};
    }
}

}  // namespace

void applyLook(int look) {
    if (auto* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    const Colours c = coloursOf(knownLook(look));
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.text);
    p.setColor(QPalette::Button, c.button);
    p.setColor(QPalette::ButtonText, c.text);
    // Text boxes stay black on white in every look: the code must be readable.
    p.setColor(QPalette::Base, c.base);
    p.setColor(QPalette::AlternateBase, c.base.darker(104));
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xfd, 0xe8));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Highlight, c.highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    const Readable r = readableOf(c);
    p.setColor(QPalette::Link, r.link);
    p.setColor(QPalette::LinkVisited, r.visitedLink);
    p.setColor(QPalette::Disabled, QPalette::WindowText, r.disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, r.disabledText);
    p.setColor(QPalette::Disabled, QPalette::Button, r.disabledButton);
    // Fields keep their white ground, so the same grey reads there too.
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6d, 0x6d, 0x6d));
    QApplication::setPalette(p);
}

}  // namespace nakkas
