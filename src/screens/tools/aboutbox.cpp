// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutbox.h"
#include "app/product.h"

#include "aboutinfo.h"
#include "app/japanesefont.h"
#include "app/twips.h"
#include "systeminfodialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFrame* makeLine(const QString& name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPixmap programIcon(const QWidget* widget) {
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? widget->style()->standardIcon(QStyle::SP_MessageBoxInformation)
                           : QApplication::windowIcon();
    return icon.pixmap(Twips::toSize(480, 480));
}

} // namespace

AboutBox::AboutBox(const AppValues& values, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , values_(values) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(JapaneseFont::proportionalGothic(9));
    setWindowTitle(AboutInfo::caption());
    buildControls();
}

void AboutBox::buildControls() {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon(this));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* title = makeLabel(QStringLiteral("lblTitle"), Product::title(), this);
    title->setFont(JapaneseFont::proportionalGothic(14, true));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Twips::toPixels(300));
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(makeLabel(QStringLiteral("lblVersion"), Product::versionText(), this), 1, 1);
    grid->addWidget(makeLabel(QStringLiteral("lblDescription"), AboutInfo::copyright(), this), 2,
                    1);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(Twips::toPixels(240));
    layout->addWidget(makeLine(QStringLiteral("Line1_0"), this));
    layout->addWidget(makeLine(QStringLiteral("Line1_1"), this));
    layout->addWidget(makeLabel(QStringLiteral("lblDisclaimer"), AboutInfo::contact(), this));
    layout->addLayout(buildButtons());
}

QLayout* AboutBox::buildButtons() {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* sysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, &AboutBox::showSystemInfo);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    return buttons;
}

void AboutBox::showSystemInfo() {
    auto* dialog = new SystemInfoDialog(values_);
    dialog->show();
}
