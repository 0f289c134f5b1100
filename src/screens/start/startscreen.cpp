// SPDX-License-Identifier: GPL-3.0-or-later
#include "startscreen.h"
#include "app/product.h"

#include "app/japanesefont.h"
#include "app/twips.h"
#include "startupsequence.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

StartScreen::StartScreen(StartupSequence& sequence, QWidget* parent)
    : QWidget(parent)
    , sequence_(sequence) {
    setObjectName(QStringLiteral("VK0000"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Product::title());
    buildControls();
    Lb_Ver->setText(StartupSequence::versionText());
    sequence_.run();
    if (!sequence_.picturePath().isEmpty())
        Image1->setPixmap(QPixmap(sequence_.picturePath()));
    tx_com->setText(sequence_.startMessage());
}

void StartScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    sequence_.begin();
}

void StartScreen::buildControls() {
    setFixedSize(Twips::toSize(7725, 4785));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Twips::toRect(0, 0, 7725, 4800));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Lb_Ver = new QLabel(this);
    Lb_Ver->setObjectName(QStringLiteral("Lb_Ver"));
    Lb_Ver->setGeometry(Twips::toRect(6480, 2160, 2295, 255));

    tx_com = new QLabel(this);
    tx_com->setObjectName(QStringLiteral("tx_com"));
    tx_com->setGeometry(Twips::toRect(120, 3000, 6015, 1695));
    tx_com->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tx_com->setWordWrap(true);
    tx_com->setFont(JapaneseFont::proportionalGothic(12));

    Command1 = new QPushButton(QStringLiteral("さぁ始めよう"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::toRect(6240, 3780, 1155, 435));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}
