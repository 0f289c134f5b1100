// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/cardprinter.h"
#include "support/fakeseams.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QFile>
#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

// Without a printer the cards go to a PDF, so this test never reaches a real printer.
TEST(CardPrinterTest, OffersAPdfWhenNoPrinterIsInstalled) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed";
    testfiles::TempHome home;
    const QString words = home.path() + QStringLiteral("/small.vku");
    WordStore::create(words).insertRows(WordStore::Table::Word, {testwords::word(12, 1)});
    const QString pdf = home.path() + QStringLiteral("/cards.pdf");
    const QString missing = home.path() + QStringLiteral("/missing/cards.pdf");
    // Answer, chosen file, group, message (empty: none).
    const std::tuple<bool, QString, int, QString> cases[] = {
        {false, pdf, 12, {}},
        {true, {}, 12, {}}, // the file dialog cancelled
        {true, pdf, 5, QStringLiteral("印刷する単語がありません。")},
        {true, missing, 12, QStringLiteral("PDFファイルを保存できませんでした。\n") + missing},
        {true, pdf, 12, QStringLiteral("カードをPDFファイルに保存しました。\n") + pdf},
    };
    for (const auto& [yes, chosen, group, message] : cases) {
        FakeDialogs dialogs;
        dialogs.answerWhenNone = yes;
        dialogs.pdfChoice = chosen;
        const bool printed = CardPrinter(dialogs).print(WordStore::open(words), {group},
                                                        QStringLiteral("title"), {});
        SCOPED_TRACE(message.toStdString());
        EXPECT_EQ(printed, message.startsWith(QStringLiteral("カード")));
        EXPECT_EQ(QFile::exists(pdf), printed);
        EXPECT_EQ(dialogs.questions.size(), group == 12 ? 1 : 0);
        EXPECT_EQ(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
        EXPECT_EQ(dialogs.pdfSuggestions,
                  yes && group == 12
                      ? QStringList{home.documentsFolder() + QStringLiteral("small.pdf")}
                      : QStringList());
    }
}

} // namespace
