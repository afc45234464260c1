#include "about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ribbon.h"
#include "form_widgets.h"
#include "icons.h"
#include "platform/services.h"
#include "qt_text.h"

namespace nakkas {

AboutDialog::AboutDialog(Services& services, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Program Hakkında"));
    auto* grid = new QGridLayout(this);

    auto* picture = new QLabel;
    picture->setPixmap(programIcon("nakkas").pixmap(48, 48));
    picture->setAccessibleName(QStringLiteral("Program simgesi"));
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("ZEP"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    grid->addWidget(name, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Nakkas 2012")), 1, 1);

    auto* web = linkLabel(QStringLiteral("Firma Web Sitesi"), "webLink");
    auto* mail = linkLabel(QStringLiteral("Firma Mail"), "mailLink");
    connect(web, &QLabel::linkActivated, this,
            [&services] { services.openDesktop(std::string(kMakerWebSite)); });
    connect(mail, &QLabel::linkActivated, this,
            [&services] { services.openDesktop(std::string(kMakerMail)); });
    grid->addWidget(web, 2, 1);
    grid->addWidget(mail, 3, 1);

    auto* ok = pushButton(QStringLiteral("Tamam"), "okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    setFixedSize(sizeHint().expandedTo(QSize(320, 140)));
}

CardDialog::CardDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("cardDialog"));
    setWindowTitle(QStringLiteral("ZEP"));
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel;
    picture->setPixmap(programIcon("card").pixmap(160, 160));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(QStringLiteral("Kartvizit"));
    layout->addWidget(picture);
    auto* close = pushButton(QStringLiteral("Kapat"), "closeButton");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignCenter);
}

}  // namespace nakkas
