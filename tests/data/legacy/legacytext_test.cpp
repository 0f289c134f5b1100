// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/legacytext.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

TEST(LegacyTextTest, PlainUtf16KeepsSurrogatePairs) {
    // "𠮷a" as UTF-16LE: a surrogate pair, then one unit.
    const auto text = LegacyText::fromJet4(bytes({0x42, 0xd8, 0xb7, 0xdf, 0x61, 0x00}));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, QString::fromUtf8("𠮷a"));
    EXPECT_EQ(LegacyText::fromJet4(QByteArray()), QString());
    EXPECT_FALSE(LegacyText::fromJet4(bytes({0x61, 0x00, 0x62})));
}

TEST(LegacyTextTest, CompressedTextSwitchesBetweenOneAndTwoByteRuns) {
    // "ab", a zero switches to two-byte units for "あ", another switches back for "é".
    const auto text =
        LegacyText::fromJet4(bytes({0xff, 0xfe, 0x61, 0x62, 0x00, 0x42, 0x30, 0x00, 0xe9}));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, QString::fromUtf8("abあé"));
    EXPECT_EQ(LegacyText::fromJet4(bytes({0xff, 0xfe})), QString());
    // A two-byte run cut in the middle is broken, not shortened.
    EXPECT_FALSE(LegacyText::fromJet4(bytes({0xff, 0xfe, 0x61, 0x00, 0x42})));
}

TEST(LegacyTextTest, Jet3TextsAreCodePage932) {
    EXPECT_EQ(LegacyText::fromJet3(bytes({0x82, 0xa0, 0x87, 0x40, 0x41})),
              QString::fromUtf8("あ①A"));
    EXPECT_FALSE(LegacyText::fromJet3(bytes({0x82})));
}

} // namespace
