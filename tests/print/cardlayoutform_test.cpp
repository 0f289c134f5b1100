// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/cardlayoutform.h"

#include <QRect>
#include <gtest/gtest.h>

namespace {

TEST(CardLayoutFormTest, PlacesTwentyRowsOfVisibleLeftAlignedLabels) {
    const LayoutForm form = CardLayoutForm::make();
    EXPECT_EQ(form.name(), QStringLiteral("VKPR010"));
    int labels = 0;
    int lines = 0;
    for (const auto& control : form.controls()) {
        if (const auto* label = std::get_if<FormLabel>(&control)) {
            ++labels;
            EXPECT_TRUE(label->visible);
            EXPECT_EQ(label->alignment, FormLabel::Left);
        } else if (const auto* line = std::get_if<FormLine>(&control)) {
            ++lines;
            EXPECT_TRUE(line->visible && line->borderWidth == 1 && line->borderStyle == 1);
        }
    }
    EXPECT_EQ(labels, 20 * 7 + 2);
    EXPECT_EQ(lines, 20 * 4 + 21 + 1);
    const FormLabel& word1 = form.label(QStringLiteral("LB_word1"), 19);
    EXPECT_EQ(QRect(word1.left, word1.top, word1.width, word1.height),
              QRect(300, 180 + 420 * 19, 2655, 135));
    EXPECT_EQ(word1.fontSize, 5.25f);
    EXPECT_EQ(form.label(QStringLiteral("LB_group"), 12).left, 150);
    EXPECT_EQ(form.label(QStringLiteral("LB_group"), 11).left, 180);
    EXPECT_EQ(form.label(QStringLiteral("LB_haton"), 0).fontSize, 3.0f);
    EXPECT_EQ(form.label(QStringLiteral("LB_page")).fontSize, 6.0f);
    EXPECT_EQ(form.label(QStringLiteral("LB_title")).top, 8520);
}

TEST(CardLayoutFormTest, RulesTheGridFromTopRuleToFooter) {
    const LayoutForm form = CardLayoutForm::make();
    std::vector<int> ruleYs;
    for (const auto& control : form.controls()) {
        const auto* line = std::get_if<FormLine>(&control);
        if (line && line->name == QStringLiteral("Line5")) {
            EXPECT_EQ(line->x1, 180);
            EXPECT_EQ(line->x2, 6660);
            ruleYs.push_back(line->y1);
        }
    }
    ASSERT_EQ(ruleYs.size(), 21u);
    EXPECT_EQ(ruleYs[7], 120);
    EXPECT_EQ(ruleYs[6], 540 + 420 * 6);
    EXPECT_EQ(ruleYs[8], 540 + 420 * 7);
    EXPECT_EQ(ruleYs[20], 8520);
}

} // namespace
