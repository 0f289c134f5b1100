// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/wordstore.h"
#include "pdfreader.h"
#include "print/cardlayoutform.h"
#include "print/printwordcards.h"
#include "wordfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Outcome = PrintWordCards::Outcome;

const QString Title = QStringLiteral("VOKU英単カード\u3000words.vku");

// Points on the PDF page of a position on the form: 5 mm margin, scale 1.7, 20 twips a point.
double pagePoints(int form) {
    return (form * 1.7 + 5 / 25.4 * 1440) / 20;
}

class PrintWordCardsTest : public testing::Test {
protected:
    Outcome printGroups(const std::vector<WordRecord>& rows, const std::vector<int>& groups) {
        const WordStore store = WordStore::open(wordfiles::makeWordFile(dir.path(), rows));
        return PrintWordCards::toPdf(store, groups, Title, pdf, [this](qint64 done, qint64 total) {
            progress.emplace_back(done, total);
        });
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    std::vector<std::pair<qint64, qint64>> progress;
};

TEST_F(PrintWordCardsTest, PrintsTwentyCardsToAPageAndNoEmptyPage) {
    for (int count : {20, 21, 40}) {
        progress.clear();
        QFile::remove(pdf);
        QTemporaryDir fileDir;
        const WordStore store = WordStore::open(
            wordfiles::makeWordFile(fileDir.path(), wordfiles::rowsInGroup(count, 7)));
        ASSERT_EQ(
            PrintWordCards::toPdf(store, {7}, Title, pdf,
                                  [this](qint64 d, qint64 t) { progress.emplace_back(d, t); }),
            Outcome::Printed);
        EXPECT_EQ(pdfreader::pageCount(pdf), count > 20 ? 2 : 1) << count << " words";
        ASSERT_EQ(progress.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(progress.back(), std::make_pair(qint64(count), qint64(count)));
    }
    // 40 words: twenty cards on each page, each page with its footer.
    int cards[3] = {};
    int pageNumbers = 0;
    for (const auto& word : pdfreader::words(pdf)) {
        const bool groupColumn = qAbs(word.x - pagePoints(180)) < 0.5 ||
                                 qAbs(word.x - pagePoints(150)) < 0.5; // row 12 sits left
        if (word.text == QStringLiteral("7") && groupColumn)
            ++cards[word.page];
        // The page number is right-aligned in four fixed-pitch characters of 5.1 points.
        if (word.y > pagePoints(8400) && qAbs(word.x - pagePoints(5940)) < 20) {
            EXPECT_EQ(word.text, QString::number(word.page));
            EXPECT_NEAR(word.x, pagePoints(5940) + 3 * 5.1, 0.3);
            ++pageNumbers;
        }
    }
    EXPECT_EQ(pageNumbers, 2);
    EXPECT_EQ(cards[1], 20);
    EXPECT_EQ(cards[2], 20);
    const QString second = pdfreader::layoutText(pdf, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("VOKU英単カード")));
    EXPECT_TRUE(second.contains(QStringLiteral("words.vku")));
    EXPECT_TRUE(second.trimmed().endsWith(QStringLiteral("2")));
}

// The last page's rows without a card still print their tick boxes and rules.
TEST_F(PrintWordCardsTest, EmptyRowsOfTheLastPageKeepTheirBoxesAndRules) {
    ASSERT_EQ(printGroups(wordfiles::rowsInGroup(21, 7), {7}), Outcome::Printed);
    ASSERT_EQ(pdfreader::pageCount(pdf), 2);
    const QImage page = pdfreader::render(pdf, 2, 144);
    ASSERT_FALSE(page.isNull());
    const auto dark = [&page](int formX, int formY) {
        const int x = qRound(pagePoints(formX) * 2);
        const int y = qRound(pagePoints(formY) * 2);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (qGray(page.pixel(x + dx, y + dy)) < 128)
                    return true;
            }
        }
        return false;
    };
    const int lastRow = 420 * 19;
    EXPECT_TRUE(dark(180, 225 + lastRow)) << "left side of the tick box";
    EXPECT_TRUE(dark(270, 225 + lastRow)) << "right side of the tick box";
    EXPECT_TRUE(dark(1500, 540 + lastRow)) << "rule under the row";
    EXPECT_TRUE(dark(3420, 300 + lastRow)) << "rule between word and meaning";
    EXPECT_FALSE(dark(1500, 300 + lastRow)) << "no word in an empty row";
}

// The small fixture's long words and meanings, placed where the layout puts them; a line
// wider than its label is condensed into it, so nothing runs off the paper.
TEST_F(PrintWordCardsTest, SplitsLongWordsAndMeaningsOverTwoLines) {
    ASSERT_EQ(printGroups(wordfiles::smallFixtureRows(), {2}), Outcome::Printed);
    const auto words = pdfreader::words(pdf);
    QStringList continued;
    for (const auto& word : words)
        if (word.text.endsWith(u'_'))
            continued << word.text;
    // W61e, W200 and W62 only: not W60, nor W61 ending in ".", "/" or a space.
    EXPECT_EQ(continued, (QStringList{"believ_", "in_", "non_"}));
    const auto at = [&words](const QString& text) {
        for (const auto& word : words)
            if (word.text == text)
                return std::make_pair(word.x, word.y);
        return std::make_pair(-1.0, -1.0);
    };
    const auto expectAt = [&at](const QString& text, int formX, int formY) {
        EXPECT_NEAR(at(text).first, pagePoints(formX), 0.5) << text.toStdString();
        EXPECT_NEAR(at(text).second, pagePoints(formY), 1.5) << text.toStdString();
    };
    expectAt(QStringLiteral("."), 300, 300 + 420);     // W61dot: "." alone on line 2
    expectAt(QStringLiteral("e"), 300, 300 + 420 * 2); // W61e
    expectAt(QStringLiteral("/"), 300, 300 + 420 * 4); // W61slash
    EXPECT_NEAR(at(QStringLiteral("say!")).second, pagePoints(180), 1.5); // W60: one line
    EXPECT_NEAR(at(QStringLiteral("feelings")).second, pagePoints(300 + 420 * 3), 1.5);
    EXPECT_EQ(at(QStringLiteral("views")).first, -1) << "W200 ends at character 150";
    EXPECT_TRUE(pdfreader::layoutText(pdf, 1).contains(QStringLiteral("責任を負う")))
        << "the end of a long meaning's first line is on the paper";
    for (const auto& word : words)
        EXPECT_LT(word.x, pagePoints(3480 + 2655)) << word.text.toStdString();
    // Meanings: 63 characters put the last one on the second line, 62 keep one line.
    expectAt(QStringLiteral("）"), 3480, 300 + 420 * 7);
    for (const auto& word : words) {
        const double rows = (word.y - pagePoints(300)) * 20 / 1.7 / 420;
        const bool meaning2 = qAbs(word.x - pagePoints(3480)) < 0.5 &&
                              qAbs(rows - qRound(rows)) * 420 * 1.7 / 20 < 1.5;
        if (meaning2) {
            EXPECT_EQ(word.text, QStringLiteral("）"));
        }
    }
}

TEST_F(PrintWordCardsTest, PrintsMarksGroupPageNumberAndEmbedsTheMincho) {
    ASSERT_EQ(printGroups(wordfiles::smallFixtureRows(), {1, 12}), Outcome::Printed);
    EXPECT_EQ(pdfreader::pageCount(pdf), 2);
    const auto words = pdfreader::words(pdf);
    const auto textAt = [&words](int page, int formX, int formY) {
        for (const auto& word : words)
            if (word.page == page && qAbs(word.x - pagePoints(formX)) < 0.5 &&
                qAbs(word.y - pagePoints(formY)) < 1.5)
                return word.text;
        return QString();
    };
    EXPECT_EQ(textAt(1, 180, 420), QStringLiteral("○"));             // apple: level 0, times 3
    EXPECT_EQ(textAt(1, 180, 420 + 420 * 2), QStringLiteral("○△△")); // water: level 2
    EXPECT_EQ(textAt(1, 180, 420 + 420 * 5), QStringLiteral("未チェック")); // quickly
    EXPECT_EQ(textAt(1, 180, 420 + 420 * 6), QStringLiteral("○△△")); // friend: level 2, times 0
    EXPECT_EQ(textAt(1, 180, 300), QStringLiteral("1"));
    EXPECT_EQ(textAt(1, 180, 300 + 420 * 12), QString()); // row 12's group sits further left
    EXPECT_EQ(textAt(1, 150, 300 + 420 * 12), QStringLiteral("12"));
    EXPECT_EQ(textAt(1, 540, 420 + 420 * 2), QStringLiteral("ウォーター"));
    EXPECT_TRUE(pdfreader::layoutText(pdf, 1).contains(QStringLiteral("   1")));
    const QStringList fonts = pdfreader::fonts(pdf).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    EXPECT_TRUE(fonts[0].startsWith(QStringLiteral("IPAMincho"))) << fonts[0].toStdString();
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << "embedded: " << font.toStdString();
}

// Beyond the BMP: 𠮷 from a CJK face and an emoji from an outline font, both embedded (a
// colour emoji font embeds but draws nothing). Qt's text layer maps BMP characters only, so
// the neighbours stand in for them there.
TEST_F(PrintWordCardsTest, DrawsCharactersBeyondTheBmpFromEmbeddedFonts) {
    ASSERT_EQ(printGroups({{7,
                            1,
                            0,
                            0,
                            QStringLiteral("𠮷野家😀"),
                            QStringLiteral("牛丼"),
                            {},
                            {},
                            {},
                            {},
                            {},
                            {}}},
                          {7}),
              Outcome::Printed);
    const QString fonts = pdfreader::fonts(pdf);
    EXPECT_TRUE(fonts.contains(QStringLiteral("CJK"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QStringLiteral("Symbola"))) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains(QStringLiteral("Color"))) << fonts.toStdString();
    EXPECT_TRUE(pdfreader::layoutText(pdf, 1).contains(QStringLiteral("野家")));
}

TEST_F(PrintWordCardsTest, LeavesNoFileWhenNothingIsPrinted) {
    EXPECT_EQ(printGroups(wordfiles::smallFixtureRows(), {5}), Outcome::NoWords);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(progress.empty());
    const WordStore store = WordStore::open(dir.filePath(QStringLiteral("words.vku")));
    EXPECT_EQ(PrintWordCards::toPdf(store, {1}, Title, dir.filePath("missing/cards.pdf")),
              Outcome::Failed);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing/cards.pdf")));
}

struct CardCase {
    const char* name;
    QString word;
    std::optional<QString> meaning;
    QString word1, word2, meaning1, meaning2;
};

TEST(FillCardTest, CutsAtFixedPositionsInUtf16Units) {
    const QString w60 = QString(60, u'a');
    const QString m62 = QString(62, u'意');
    const CardCase cases[] = {
        {"60", w60, m62, w60, {}, m62, {}},
        {"61 ending in .", w60 + u'.', {}, w60, ".", {}, {}},
        {"61 ending in /", w60 + u'/', {}, w60, "/", {}, {}},
        {"61 ending in space", w60 + u' ', {}, w60, " ", {}, {}},
        {"61 ending in e", w60 + u'e', {}, w60 + u'_', "e", {}, {}},
        {"62 ending in .", w60 + "..", {}, w60 + u'_', "..", {}, {}},
        {"200", w60 + QString(90, u'b') + QString(50, u'c'), m62 + QString(80, u'味'), w60 + u'_',
         QString(90, u'b'), m62, QString(70, u'味')},
        // A cut inside a surrogate pair moves back, on either line.
        {"pair at 60",
         QString(59, u'a') + QStringLiteral("𠮷"),
         {},
         QString(59, u'a') + u'_',
         QStringLiteral("𠮷"),
         {},
         {}},
        {"pair at 150",
         w60 + QString(89, u'b') + QStringLiteral("𠮷c"),
         {},
         w60 + u'_',
         QString(89, u'b'),
         {},
         {}},
        {"pairs at 62 and 132",
         w60,
         QString(61, u'意') + QStringLiteral("😀") + QString(67, u'味') + QStringLiteral("😀"),
         w60,
         {},
         QString(61, u'意'),
         QStringLiteral("😀") + QString(67, u'味')},
    };
    for (const auto& c : cases) {
        LayoutForm form = CardLayoutForm::make();
        PrintWordCards::FillCard(form, 3, {7, 1, 0, 0, c.word, c.meaning, {}, {}, {}, {}, {}, {}});
        EXPECT_EQ(form.label("LB_word1", 3).caption, c.word1) << c.name;
        EXPECT_EQ(form.label("LB_word2", 3).caption, c.word2) << c.name;
        EXPECT_EQ(form.label("LB_meaning1", 3).caption, c.meaning1) << c.name;
        EXPECT_EQ(form.label("LB_meaning2", 3).caption, c.meaning2) << c.name;
        EXPECT_EQ(form.label("LB_group", 3).caption, QStringLiteral("7"));
        EXPECT_EQ(form.label("LB_haton", 3).caption, QString());
    }
}

TEST(FillCardTest, MarksLevelsAndNumbersPages) {
    EXPECT_EQ(PrintWordCards::printLevelMark(0, 0), QStringLiteral("未チェック"));
    EXPECT_EQ(PrintWordCards::printLevelMark(0, 5), QStringLiteral("○"));
    EXPECT_EQ(PrintWordCards::printLevelMark(1, 9), QStringLiteral("○△"));
    EXPECT_EQ(PrintWordCards::printLevelMark(2, 0), QStringLiteral("○△△"));
    EXPECT_EQ(PrintWordCards::printLevelMark(3, 1), QStringLiteral("○△△△"));
    EXPECT_EQ(PrintWordCards::printLevelMark(4, 1), QStringLiteral("△△△△"));
    EXPECT_EQ(PrintWordCards::printLevelMark(5, 1), QString());
    LayoutForm form = CardLayoutForm::make();
    for (const auto& [page, shown] : {std::pair{1, "   1"}, {123, " 123"}, {10000, "0000"}}) {
        PrintWordCards::SetPageFooter(form, page, Title);
        EXPECT_EQ(form.label("LB_page").caption, QString::fromLatin1(shown));
    }
    PrintWordCards::ClearLayout(form);
    EXPECT_EQ(form.label("LB_title").caption, QString());
}

} // namespace
