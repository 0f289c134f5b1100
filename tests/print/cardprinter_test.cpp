// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/userdialogs.h"
#include "pdfreader.h"
#include "print/cardprinter.h"
#include "support/testfiles.h"
#include "wordfiles.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FakeDialogs : public UserDialogs {
public:
    void inform(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override {
        questions << text;
        return yes;
    }
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString& suggested) override {
        suggestedPdf = suggested;
        return pdfPath;
    }
    std::optional<QColor> chooseColour(const QColor&) override { return {}; }

    bool yes = true;
    QString pdfPath;
    QString suggestedPdf;
    QStringList messages;
    QStringList questions;
};

// Without a printer the cards go to a PDF, so these tests never reach a real printer.
class CardPrinterTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            GTEST_SKIP() << "a printer is installed";
        dialogs.pdfPath = dir.filePath(QStringLiteral("cards.pdf"));
        words = wordfiles::makeWordFile(dir.path(), wordfiles::smallFixtureRows(), "small.vku");
    }
    bool print(const std::vector<int>& groups) {
        const WordStore store = WordStore::open(words);
        return CardPrinter(dialogs).print(store, groups, QStringLiteral("title"), {});
    }
    testfiles::TempHome home;
    QTemporaryDir dir;
    FakeDialogs dialogs;
    QString words;
};

TEST_F(CardPrinterTest, OffersAPdfWhenNoPrinterIsInstalled) {
    EXPECT_TRUE(print({12}));
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("PDF")));
    EXPECT_EQ(dialogs.suggestedPdf, home.documentsFolder() + QStringLiteral("small.pdf"));
    EXPECT_EQ(pdfreader::pageCount(dialogs.pdfPath), 1);
    EXPECT_EQ(
        dialogs.messages,
        QStringList{QStringLiteral("カードをPDFファイルに保存しました。\n") + dialogs.pdfPath});
}

TEST_F(CardPrinterTest, PrintsNothingWhenDeclinedOrCancelled) {
    dialogs.yes = false;
    EXPECT_FALSE(print({12}));
    dialogs.yes = true;
    const QString chosen = dialogs.pdfPath;
    dialogs.pdfPath.clear();
    EXPECT_FALSE(print({12}));
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CardPrinterTest, SaysWhyNothingWasPrinted) {
    EXPECT_FALSE(print({5}));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("印刷する単語がありません。")});
    dialogs.pdfPath = dir.filePath(QStringLiteral("missing/cards.pdf"));
    EXPECT_FALSE(print({12}));
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].contains(dialogs.pdfPath));
}

} // namespace
