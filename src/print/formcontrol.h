// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <variant>

// The kinds of control a page layout form is made of. Geometry is in twips from the
// top-left corner of the form; index is the element of a control array, -1 for none.

struct FormLabel {
    enum Alignment { Left = 0, Right = 1, Centre = 2 };

    QString name;
    int index = -1;
    bool visible = true;
    float fontSize = 9; // points
    int alignment = Left;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString caption;
};

struct FormLine {
    QString name;
    int index = -1;
    bool visible = true;
    int borderWidth = 1;
    int borderStyle =
        1; // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct FormShape {
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4 };

    QString name;
    int index = -1;
    bool visible = true;
    int shape = Rectangle;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int borderWidth = 1;
    int borderStyle = 1; // as FormLine
};

using FormControl = std::variant<FormLabel, FormLine, FormShape>;
