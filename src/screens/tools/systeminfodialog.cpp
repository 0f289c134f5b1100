// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeminfodialog.h"

#include "app/japanesefont.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

SystemInfoDialog::SystemInfoDialog(const AppValues& values, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , info_(values) {
    setObjectName(QStringLiteral("frmSysInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(JapaneseFont::proportionalGothic(9));
    setWindowTitle(QStringLiteral("ｼｽﾃﾑ情報"));
    buildControls();
}

void SystemInfoDialog::buildControls() {
    auto* form = new QFormLayout;
    for (int i = 0; i < info_.items().size(); ++i) {
        auto* value = new QLabel(info_.items().at(i).second, this);
        value->setObjectName(QStringLiteral("LB_info_%1").arg(i));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(info_.items().at(i).first + QStringLiteral(":"), value);
    }
    auto* copy = new QPushButton(QStringLiteral("コピー(&C)"), this);
    copy->setObjectName(QStringLiteral("BT_copy"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("BT_close"));
    connect(copy, &QPushButton::clicked, this, &SystemInfoDialog::copyToClipboard);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void SystemInfoDialog::copyToClipboard() {
    QGuiApplication::clipboard()->setText(info_.text());
}
