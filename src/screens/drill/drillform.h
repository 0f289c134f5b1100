// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;
struct ControlView;

// What the drill's two windows share in drawing: putting a control's view on screen.
namespace DrillForm {

// The background of a window or label from a colour number text; an empty text keeps it.
void setBackground(QWidget* widget, const QString& colourNumber);

void apply(QLabel* label, const ControlView& view);
void apply(QPushButton* button, const ControlView& view);
// A disabled button that stands out (the rank being practised) keeps its caption in the
// enabled colour: the pale disabled text is unreadable on red.
void keepCaptionReadable(QPushButton* button, bool readable);

} // namespace DrillForm
