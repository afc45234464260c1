#pragma once

#include <QDialog>

namespace nakkas {

class Services;

// "Program Hakkında": the program's icon and name and two links to its maker.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Services& services, QWidget* parent = nullptr);
};

// The small card behind the button in the form view's corner.
class CardDialog : public QDialog {
    Q_OBJECT
public:
    explicit CardDialog(QWidget* parent = nullptr);
};

}  // namespace nakkas
