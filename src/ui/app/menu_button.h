#pragma once

#include <QToolButton>

namespace nakkas {

// A ribbon button whose only job is to open its menu at once ("Uygulama Menüsü", "Çoklu Nesne
// Aracı"). Qt's accessibility layer ignores the ShowMenu action of such buttons and offers no
// Press; here both open the menu, as a click and the key tips do.
class MenuButton : public QToolButton {
    Q_OBJECT
public:
    explicit MenuButton(QWidget* parent = nullptr);
};

}  // namespace nakkas
