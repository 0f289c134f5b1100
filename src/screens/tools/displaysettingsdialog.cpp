// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysettingsdialog.h"
#include "app/product.h"

#include "app/japanesefont.h"
#include "app/twips.h"
#include "colourswatch.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QCheckBox* makeCheckBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

DisplaySettingsDialog::DisplaySettingsDialog(AppValues& values, UserDialogs& dialogs,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window)
    , logic_(values, dialogs) {
    setObjectName(QStringLiteral("VKP020"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Product::title());
    setFont(JapaneseFont::proportionalGothic(9));
    buildControls();
    connect(&logic_, &DisplaySettingsLogic::changed, this, &DisplaySettingsDialog::render);
    render();
}

void DisplaySettingsDialog::buildControls() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Twips::toPixels(225));
    grid->setVerticalSpacing(Twips::toPixels(165));
    for (int i = 0; i < DisplaySettingsLogic::SwatchCount; ++i) {
        auto* swatch = new ColourSwatch(this);
        swatch->setObjectName(QStringLiteral("LB_col_%1").arg(i));
        swatch->setFixedSize(Twips::toSize(615, 495));
        connect(swatch, &ColourSwatch::clicked, this, [this, i] { logic_.chooseColour(i); });
        auto* label = new QLabel(DisplaySettingsLogic::labelText(i), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        grid->addWidget(swatch, i, 0);
        grid->addWidget(label, i, 1);
        swatches_[i] = swatch;
    }
    noSound_ =
        makeCheckBox(QStringLiteral("Check1"), QStringLiteral("OK、NGの音を鳴らさない"), this);
    noExplainOnNg_ = makeCheckBox(QStringLiteral("Check2"),
                                  QStringLiteral("NGの時、説明画面は表示しない"), this);
    connect(noSound_, &QCheckBox::clicked, &logic_, &DisplaySettingsLogic::setNoSound);
    connect(noExplainOnNg_, &QCheckBox::clicked, &logic_, &DisplaySettingsLogic::setNoExplainOnNg);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(Twips::toPixels(120));
    layout->addWidget(noSound_);
    layout->addWidget(noExplainOnNg_);
    layout->addLayout(buildButtons());
}

QLayout* DisplaySettingsDialog::buildButtons() {
    auto* ok = makeButton(QStringLiteral("BT_OK"), QStringLiteral("OK"), this);
    auto* cancel = makeButton(QStringLiteral("BT_can"), QStringLiteral("ｷｬﾝｾﾙ"), this);
    auto* defaults = makeButton(QStringLiteral("BT_def"), QStringLiteral("初期設定に戻す"), this);
    connect(ok, &QPushButton::clicked, this, &DisplaySettingsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(defaults, &QPushButton::clicked, &logic_, &DisplaySettingsLogic::restoreDefaults);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    return buttons;
}

void DisplaySettingsDialog::render() {
    for (int i = 0; i < DisplaySettingsLogic::SwatchCount; ++i) {
        swatches_[i]->setColour(logic_.swatchColour(i));
    }
    noSound_->setChecked(logic_.noSoundTicked());
    noExplainOnNg_->setChecked(logic_.noExplainOnNgTicked());
}

void DisplaySettingsDialog::accept() {
    // A file that cannot be written has been reported; the colours are in use all the
    // same, so the window closes as OK always does.
    logic_.accept();
    close();
}
