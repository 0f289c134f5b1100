// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/cardprinter.h"
#include "support/fakeseams.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QFile>
#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

struct PrintCase {
    bool yes;
    QString chosen;
    int group;
    QString message; // empty: none
};

// Without a printer the cards go to a PDF, so this test never reaches a real printer.
TEST(CardPrinterTest, OffersAPdfWhenNoPrinterIsInstalled) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed";
    testfiles::TempHome home;
    const QString words = home.path() + QStringLiteral("/small.vku");
    WordStore::create(words).insertRows(WordStore::Table::Word, {testwords::word(12, 1)});
    const QString pdf = home.path() + QStringLiteral("/cards.pdf");
    const QString missing = home.path() + QStringLiteral("/missing/cards.pdf");
    const PrintCase cases[] = {
        {false, pdf, 12, {}},
        {true, {}, 12, {}}, // the file dialog cancelled
        {true, pdf, 5, QStringLiteral("印刷する単語がありません。")},
        {true, missing, 12, QStringLiteral("PDFファイルを保存できませんでした。\n") + missing},
        {true, pdf, 12, QStringLiteral("カードをPDFファイルに保存しました。\n") + pdf},
    };
    for (const auto& c : cases) {
        FakeDialogs dialogs;
        dialogs.answerWhenNone = c.yes;
        dialogs.pdfChoice = c.chosen;
        const bool printed = CardPrinter(dialogs).print(WordStore::open(words), {c.group},
                                                        QStringLiteral("title"), {});
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(printed, c.message.startsWith(QStringLiteral("カード")));
        EXPECT_EQ(QFile::exists(pdf), printed);
        EXPECT_EQ(dialogs.questions.size(), c.group == 12 ? 1 : 0);
        EXPECT_EQ(dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        if (c.yes && c.group == 12) {
            EXPECT_EQ(dialogs.pdfSuggestions,
                      QStringList{home.documentsFolder() + QStringLiteral("small.pdf")});
        }
    }
}

} // namespace
