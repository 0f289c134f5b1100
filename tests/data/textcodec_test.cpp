// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/textcodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodecTest, Cp932CoversTheWindowsExtensions) {
    const QString text = QStringLiteral("ﾊﾞｰｼﾞｮﾝ ①～－ 英単語");
    const auto bytes = TextCodec::toCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(TextCodec::fromCp932(*bytes), text);
    EXPECT_EQ(TextCodec::encodeSettings(text), *bytes);
}

TEST(TextCodecTest, SettingsFallBackToUtf8WithMarkForCharactersOutsideCp932) {
    const QString text = QStringLiteral("𠮷野家.vku");
    EXPECT_FALSE(TextCodec::toCp932(text).has_value());
    const QByteArray bytes = TextCodec::encodeSettings(text);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(TextCodec::decodeSettings(bytes), text);
}

TEST(TextCodecTest, UndecodableBytesNeverFail) {
    const QString text = TextCodec::decodeSettings(QByteArray("ab\x82\xFF"
                                                              "cd"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("ab")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("cd")));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));
    EXPECT_FALSE(TextCodec::fromCp932(QByteArray("\x82")).has_value());
    EXPECT_FALSE(TextCodec::fromUtf8(QByteArray("\xC3")).has_value());
}

} // namespace
