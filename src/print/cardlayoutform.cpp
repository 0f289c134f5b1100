// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardlayoutform.h"

namespace {

FormLabel label(const char* name, int index, int left, int top, int width, int height,
                float fontSize) {
    FormLabel l;
    l.name = QString::fromLatin1(name);
    l.index = index;
    l.left = left;
    l.top = top;
    l.width = width;
    l.height = height;
    l.fontSize = fontSize;
    return l;
}

FormLine line(const char* name, int index, int x1, int y1, int x2, int y2) {
    FormLine l;
    l.name = QString::fromLatin1(name);
    l.index = index;
    l.x1 = x1;
    l.y1 = y1;
    l.x2 = x2;
    l.y2 = y2;
    return l;
}

} // namespace

LayoutForm CardLayoutForm::make() {
    LayoutForm form(QStringLiteral("VKPR010"));
    for (int row = 0; row < Rows; ++row)
        addRowLabels(form, row);
    for (int row = 0; row < Rows; ++row)
        addTickBox(form, row);
    addPageElements(form);
    return form;
}

void CardLayoutForm::addRowLabels(LayoutForm& form, int row) {
    const int y = RowHeight * row;
    // Row 12's group label sits 30 twips further left than the others.
    const int groupLeft = row == 12 ? 150 : 180;
    form.add(label("LB_word1", row, 300, 180 + y, 2655, 135, 5.25f));
    form.add(label("LB_word2", row, 300, 300 + y, 2655, 135, 5.25f));
    form.add(label("LB_haton", row, 540, 420 + y, 1575, 135, 3));
    form.add(label("LB_group", row, groupLeft, 300 + y, 255, 105, 3));
    form.add(label("LB_lank", row, 180, 420 + y, 915, 105, 3));
    form.add(label("LB_meaning1", row, 3480, 180 + y, 2655, 135, 5.25f));
    form.add(label("LB_meaning2", row, 3480, 300 + y, 2655, 135, 5.25f));
}

void CardLayoutForm::addTickBox(LayoutForm& form, int row) {
    const int y = RowHeight * row;
    form.add(line("Line1", row, 180, 180 + y, 180, 270 + y));
    form.add(line("Line2", row, 180, 180 + y, 270, 180 + y));
    form.add(line("Line3", row, 270, 180 + y, 270, 270 + y));
    form.add(line("Line4", row, 270, 270 + y, 180, 270 + y));
}

void CardLayoutForm::addPageElements(LayoutForm& form) {
    // Element 7 is the top rule; the others are the rules under the twenty rows.
    for (int i = 0; i <= Rows; ++i) {
        const int y = i == 7 ? 120 : 540 + RowHeight * (i < 7 ? i : i - 1);
        form.add(line("Line5", i, 180, y, 6660, y));
    }
    form.add(line("Line6", -1, 3420, 120, 3420, 8520));
    form.add(label("LB_title", -1, 540, 8520, 3735, 75, 5.25f));
    form.add(label("LB_page", -1, 5940, 8520, 555, 135, 6));
}
