// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillform.h"

#include "app/colournumber.h"
#include "drillview.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace DrillForm {

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, const QString& colourNumber) {
    if (colourNumber.isEmpty())
        return;
    const QColor colour = ColourNumber::toColour(colourNumber, widget->palette().color(role));
    if (widget->palette().color(role) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

void setBackground(QWidget* widget, const QString& colourNumber) {
    widget->setAutoFillBackground(true);
    setColour(widget, QPalette::Window, colourNumber);
}

void apply(QLabel* label, const ControlView& view) {
    label->setText(view.text);
    setBackground(label, view.colour);
    label->setEnabled(view.enabled);
    label->setVisible(view.visible);
}

void apply(QPushButton* button, const ControlView& view) {
    button->setText(view.text);
    setColour(button, QPalette::Button, view.colour);
    button->setEnabled(view.enabled);
    button->setVisible(view.visible);
}

void keepCaptionReadable(QPushButton* button, bool readable) {
    QPalette palette = button->palette();
    const QColor caption =
        readable ? palette.color(QPalette::Active, QPalette::ButtonText)
                 : QGuiApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (palette.color(QPalette::Disabled, QPalette::ButtonText) == caption)
        return;
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, caption);
    button->setPalette(palette);
}

} // namespace DrillForm
