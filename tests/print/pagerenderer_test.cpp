// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pagerenderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A step that cannot be drawn (no font size, no line width, a centre beyond 16 bits) is
// skipped and counted; the drawing gives up after MaxErrors of them.
TEST(PageRendererTest, GivesUpAfterTooManyFailedSteps) {
    QImage page(200, 200, QImage::Format_RGB32);
    for (const auto& [failed, drawn] : {std::pair{0, true},
                                        {PageRenderer::MaxErrors, true},
                                        {PageRenderer::MaxErrors + 1, false}}) {
        LayoutForm form(QStringLiteral("F"));
        FormLabel label;
        label.fontSize = 0;
        FormLine line;
        line.borderWidth = 0;
        FormShape circle;
        circle.shape = FormShape::Circle;
        circle.left = 40000;
        for (int i = 0; i < failed; ++i)
            form.add(i % 3 == 0 ? FormControl(label) : i % 3 == 1 ? FormControl(line) : circle);
        QPainter painter(&page);
        EXPECT_EQ(PageRenderer::drawFormOnPrinter(painter, form, 1.7f), drawn) << failed;
    }
    // A painter that draws on nothing fails every step alike; that is no printed page.
    QPainter idle;
    EXPECT_FALSE(PageRenderer::drawFormOnPrinter(idle, LayoutForm(QStringLiteral("F")), 1.7f));
}

} // namespace
