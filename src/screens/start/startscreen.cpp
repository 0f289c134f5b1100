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
    version_->setText(StartupSequence::versionText());
    sequence_.run();
    if (!sequence_.picturePath().isEmpty())
        picture_->setPixmap(QPixmap(sequence_.picturePath()));
    message_->setText(sequence_.startMessage());
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

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(Twips::toRect(0, 0, 7725, 4800));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("Lb_Ver"));
    version_->setGeometry(Twips::toRect(6480, 2160, 2295, 255));

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("tx_com"));
    message_->setGeometry(Twips::toRect(120, 3000, 6015, 1695));
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setWordWrap(true);
    message_->setFont(JapaneseFont::proportionalGothic(12));

    startButton_ = new QPushButton(QStringLiteral("さぁ始めよう"), this);
    startButton_->setObjectName(QStringLiteral("Command1"));
    startButton_->setGeometry(Twips::toRect(6240, 3780, 1155, 435));
    startButton_->setDefault(true);
    connect(startButton_, &QPushButton::clicked, this, &QWidget::close);
}
