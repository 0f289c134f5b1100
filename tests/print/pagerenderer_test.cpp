// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pagerenderer.h"
#include "recordingdevice.h"

#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using Item = RecordingDevice::Item;

FormLabel label(int left, int top, const QString& caption, int alignment = FormLabel::Left) {
    FormLabel l;
    l.name = QStringLiteral("LB_test");
    l.left = left;
    l.top = top;
    l.width = 600;
    l.height = 135;
    l.fontSize = 5.25f;
    l.alignment = alignment;
    l.caption = caption;
    return l;
}

FormLine line(int borderStyle, bool visible = true) {
    FormLine l;
    l.borderStyle = borderStyle;
    l.visible = visible;
    l.x1 = 100;
    l.y1 = 200;
    l.x2 = 300;
    l.y2 = 200;
    return l;
}

FormShape shape(int kind, int left, int width, int height) {
    FormShape s;
    s.shape = kind;
    s.left = left;
    s.top = 200;
    s.width = width;
    s.height = height;
    return s;
}

class PageRendererTest : public testing::Test {
protected:
    bool draw(const LayoutForm& form, qint16 copies = 1) {
        QPainter painter(&device);
        return PageRenderer::PrintLayoutForm(painter, form, QStringLiteral("A4P"), 1.7f, copies);
    }
    RecordingDevice device;
};

TEST_F(PageRendererTest, ScalesLabelPositionAndFontSize) {
    LayoutForm form(QStringLiteral("F"));
    form.add(label(300, 180, QStringLiteral("apple")));
    ASSERT_TRUE(draw(form));
    const auto texts = device.itemsOf(Item::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].font.pointSizeF(), 8.925, 1e-3);
    EXPECT_TRUE(texts[0].font.families().startsWith(QStringLiteral("IPAMincho")));
    const qreal ascent = QFontMetricsF(texts[0].font, &device).ascent();
    EXPECT_NEAR(texts[0].position.x(), 510, 1e-3);
    EXPECT_NEAR(texts[0].position.y() - ascent, 306, 1e-3);
}

TEST_F(PageRendererTest, AlignsRightAndCentreByTextWidth) {
    LayoutForm form(QStringLiteral("F"));
    form.add(label(1000, 0, QStringLiteral("ab"), FormLabel::Right));
    form.add(label(1000, 0, QStringLiteral("ab"), FormLabel::Centre));
    form.add(label(1000, 0, QString(40, u'W'), FormLabel::Right));
    form.add(label(1000, 0, QStringLiteral("x"), 7)); // unknown: stays at the left edge
    ASSERT_TRUE(draw(form));
    const auto texts = device.itemsOf(Item::Text);
    ASSERT_EQ(texts.size(), 4u);
    const qreal width = QFontMetricsF(texts[0].font, &device).horizontalAdvance("ab");
    EXPECT_NEAR(texts[0].position.x(), 1700 + 1020 - width, 1e-2);
    EXPECT_NEAR(texts[1].position.x(), 1700 + (1020 - width) / 2, 1e-2);
    EXPECT_LT(texts[2].position.x(), 1700);
    EXPECT_EQ(texts[3].position.x(), 0);
}

TEST_F(PageRendererTest, DrawsLabelsThenLinesThenCirclesAndSkipsHiddenOnes) {
    LayoutForm form(QStringLiteral("F"));
    form.add(shape(FormShape::Circle, 100, 101, 300));
    form.add(line(1));
    form.add(line(1, false));
    form.add(label(0, 0, QStringLiteral("shown")));
    FormLabel hidden = label(0, 0, QStringLiteral("hidden"));
    hidden.visible = false;
    form.add(hidden);
    FormShape hiddenCircle = shape(FormShape::Circle, 0, 100, 100);
    hiddenCircle.visible = false;
    form.add(hiddenCircle);
    form.add(shape(FormShape::Oval, 0, 100, 100));
    ASSERT_TRUE(draw(form));
    const auto& items = device.items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, QStringLiteral("shown"));
    EXPECT_EQ(items[1].line, QLineF(170, 340, 510, 340));
    ASSERT_EQ(items[2].kind, Item::Ellipse);
    // Centre (100 + 50, 200 + 150), radius the smaller half, 50.
    EXPECT_NEAR(items[2].ellipse.center().x(), 255, 1e-3);
    EXPECT_NEAR(items[2].ellipse.center().y(), 595, 1e-3);
    EXPECT_NEAR(items[2].ellipse.width(), 170, 1e-3);
}

TEST_F(PageRendererTest, TurnsBorderStylesIntoDrawStyles) {
    LayoutForm form(QStringLiteral("F"));
    for (int style = 0; style <= 6; ++style)
        form.add(line(style));
    ASSERT_TRUE(draw(form));
    const auto lines = device.itemsOf(Item::Line);
    ASSERT_EQ(lines.size(), 7u);
    const Qt::PenStyle expected[] = {Qt::SolidLine,   Qt::SolidLine,      Qt::DashLine, Qt::DotLine,
                                     Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].pen.style(), expected[i]) << "border style " << i;
}

TEST_F(PageRendererTest, DrawsEveryCopyOnTheSamePage) {
    LayoutForm form(QStringLiteral("F"));
    form.add(label(0, 0, QStringLiteral("twice")));
    form.add(line(1));
    ASSERT_TRUE(draw(form, 2));
    EXPECT_EQ(device.itemsOf(Item::Text).size(), 2u);
    EXPECT_EQ(device.itemsOf(Item::Line).size(), 2u);
}

// A circle whose centre overflows 16 bits is a failed step: skipped while at most 3000
// steps have failed, the end of the drawing at the 3001st.
TEST_F(PageRendererTest, GivesUpAfterTooManyFailedSteps) {
    LayoutForm tolerated(QStringLiteral("F"));
    for (int i = 0; i < PageRenderer::MaxErrors; ++i)
        tolerated.add(shape(FormShape::Circle, 32767, 100, 100));
    tolerated.add(shape(FormShape::Circle, 0, 100, 100));
    EXPECT_TRUE(draw(tolerated));
    EXPECT_EQ(device.itemsOf(Item::Ellipse).size(), 1u);

    LayoutForm tooMany = tolerated;
    tooMany.add(shape(FormShape::Circle, 32767, 100, 100));
    tooMany.add(shape(FormShape::Circle, 0, 100, 100));
    EXPECT_FALSE(draw(tooMany));
    EXPECT_EQ(device.itemsOf(Item::Ellipse).size(), 2u);
}

TEST_F(PageRendererTest, FailsOnAPainterThatIsNotDrawing) {
    LayoutForm form(QStringLiteral("F"));
    form.add(line(1));
    QPainter idle;
    EXPECT_FALSE(PageRenderer::DrawFormOnPrinter(idle, form, 1.7f));
}

} // namespace
