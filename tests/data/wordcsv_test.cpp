// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/csvencoding.h"
#include "data/summaryline.h"
#include "data/textcodec.h"
#include "data/wordcsv.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// Quoted fields keep commas, quotes and line breaks; an empty field is Null, a quoted empty
// one an empty text; a missing level or times is 0. Each problem names its line.
TEST(WordCsvTest, QuotingNullsAndProblemsNameTheirLine) {
    const std::vector<WordRecord> words =
        WordCsv::parse("\xEF\xBB\xBFgroup,key,word,meaning,text1,text6\r\n"
                       "3,1,\"a, \"\"b\"\"\",\"l1\r\nl2\",,\"\"\r\n\r\n3,2,plain,x,y,z",
                       QStringLiteral("words.csv"));
    EXPECT_EQ(words,
              (std::vector<WordRecord>{{3, 1, 0, 0, "a, \"b\"", "l1\r\nl2", {}, {}, {}, {}, {}, ""},
                                       {3, 2, 0, 0, "plain", "x", "y", {}, {}, {}, {}, "z"}}));
    const QByteArray header = "group,key,level,times,word\n";
    const std::pair<QByteArray, const char*> problems[] = {
        {header + "1,1,0,0,a\n0,2,0,0,b\n", "3 行目: group"},
        {header + "1,1,5,0,a\n", "2 行目: level"},
        {header + "1,1,0,1000,a\n", "2 行目: times"},
        {header + "1,1,0,0,\n", "2 行目: word"},
        {header + "1,x,0,0,a\n", "2 行目: key"},
        {header + "1,1,0,0,\"a\nb\"\n1,1,0,0,c\n", "4 行目: group 1、key 1 は 2 行目と重なって"},
        {header + "1,1,0,0,\"a\n\n", "2 行目: 引用符が閉じられていません"},
        {header + "1,1,0,0,\"a\"b\n", "2 行目: 閉じ引用符のあとに"},
        {header + "1,1,0,0,a\"b\n", "2 行目: 引用符で囲まれていない"},
        {header + "1,1,0,0,a,extra\n", "2 行目: 値の数"},
        {"group,key,wort\n", "1 行目: 知らない列名「wort」"},
        {"key,word\n", "列「group」がありません"},
        {"", "見出しの行がありません"},
    };
    for (const auto& [csv, fragment] : problems) {
        try {
            WordCsv::parse(csv, QStringLiteral("words.csv"));
            ADD_FAILURE() << "read " << fragment;
        } catch (const StoreError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(fragment)))
                << error.message().toStdString();
        }
    }
}

// Bytes read with the given encoding (empty: recognised): the encoding used and the text,
// or the problem whose message holds the fragment; a doubt offers its readings [in brackets].
TEST(WordCsvTest, EncodingsAreReadOrRefusedNeverGuessedWrong) {
    const struct {
        std::string_view bytes;
        const char* encoding;
        const char* expected;
    } rows[] = {
        {"caf\xC3\xA9 na\xC3\xAFve"sv, "", "UTF-8: café naïve"},
        {"\xEF\xBB\xBFx,\xE3\x82\x8A\xE3\x82\x93"sv, "", "UTF-8: x,りん"},
        {"\xEF\xBB\xBFx"sv, "utf8", "UTF-8: x"},
        {"don\xE2\x80\x99t \xC3\xBD"sv, "", "UTF-8: don’t ý"},
        {"\x82\xE8\x82\xF1\x82\xB2\x81\x60\x87\x40"sv, "", "CP932: りんご～①"},
        {"fa\347ade"sv, "", "1 行目: CP932 として読むと「fa軋de」"},
        {"ok\ndon\x92t"sv, "", "2 行目: CP932 として読むと「don稚"},
        {"ok\ndon\x92t"sv, "", "[2: CP932「don稚」 CP1252「don’t」]"},
        {"caf\xE9,"sv, "", "1 行目: UTF-8 とも CP932 とも読めない"},
        {"w\n\xC3\xBD,x"sv, "", "2 行目: UTF-8 の「ý,x」とも CP932 の「ﾃｽ,x」とも"},
        {"\xC2\xBD"sv, "", "CP1252）を指定してください\nwords.csv [1: UTF-8「½」 CP932「ﾂｽ」]"},
        {"\xC3\xBD,x"sv, "cp932", "CP932: ﾃｽ,x"},
        {"fa\347ade"sv, "Latin-1", "Latin-1: façade"},
        {"don\x92t"sv, "windows-1252", "CP1252: don’t"},
        {"w\ndon\x92t"sv, "latin1", "2 行目: Latin-1 として読むと制御文字 U+0092"},
        {"a\nb\xFF"sv, "UTF-8", "2 行目: UTF-8 として読めない"},
        {"w\ng\0r\0o\0"sv, "", "2 行目: NUL 文字"},
        {"x"sv, "EBCDIC", "EBCDIC"},
    };
    for (const auto& row : rows) {
        const QString expected = QString::fromUtf8(row.expected);
        try {
            const auto decoded =
                CsvEncoding::decode(QByteArray(row.bytes.data(), qsizetype(row.bytes.size())),
                                    QStringLiteral("words.csv"), QString::fromLatin1(row.encoding));
            EXPECT_EQ(decoded.encoding + QStringLiteral(": ") + decoded.text, expected);
        } catch (const StoreError& error) {
            QString said = error.message();
            if (const auto* doubt = dynamic_cast<const CsvEncoding::Doubt*>(&error)) {
                said += QStringLiteral(" [%1:").arg(doubt->line());
                for (const auto& [encoding, line] : doubt->readings())
                    said += QStringLiteral(" %1「%2」").arg(encoding, line);
                said += QLatin1Char(']');
            }
            EXPECT_TRUE(said.contains(expected)) << said.toStdString();
        }
    }
}

// A summary line keeps its columns under the header until a count has four digits; settings
// text keeps what decodes around bytes that do not.
TEST(SummaryLineTest, FourDigitsWidenTheLineAndBadSettingsBytesDropAlone) {
    EXPECT_EQ(SummaryLine::format({999, {1000, 0, 0, 0, 0, 12}}),
              QStringLiteral("999       12    1000     0     0     0      0    "));
    EXPECT_EQ(TextCodec::decodeSettings("ab\202\377cd").remove(QChar(0xFFFD)),
              QStringLiteral("abcd"));
}

} // namespace
