// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/convertedfile.h"
#include "data/storeerror.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

WordRecord word(int group, int key) {
    WordRecord record;
    record.group = group;
    record.key = key;
    record.word = QStringLiteral("word%1").arg(key);
    return record;
}

// A folder with a legacy file "words.vku" and a converted "new.vku" of two words and one
// selected word.
class ConvertedFileTest : public testing::Test {
protected:
    void SetUp() override {
        testfiles::writeAll(legacy, "legacy bytes");
        WordStore store = WordStore::create(converted);
        store.insertRows(WordStore::Table::Word, {word(1, 1), word(1, 2)});
        store.insertRows(WordStore::Table::Selected, {word(1, 2)});
    }

    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir;
    const QString legacy = dir.filePath(QStringLiteral("words.vku"));
    const QString converted = dir.filePath(QStringLiteral("new.vku"));
};

TEST_F(ConvertedFileTest, NewFileTakesTheNameAndTheOldOneBecomesTheBackup) {
    EXPECT_EQ(ConvertedFile::install(legacy, converted, {2, 1}), legacy + ".bak");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "legacy bytes");
    EXPECT_EQ(WordStore::open(legacy).groupSummaries().front().counts[5], 2);
    EXPECT_EQ(entries(), (QStringList{"words.vku", "words.vku.bak"}));
}

TEST_F(ConvertedFileTest, ExistingBackupsAreNeverOverwritten) {
    testfiles::writeAll(legacy + ".bak", "first backup");
    testfiles::writeAll(legacy + ".bak.1", "second backup");
    EXPECT_EQ(ConvertedFile::install(legacy, converted, {2, 1}), legacy + ".bak.2");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "first backup");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak.1"), "second backup");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak.2"), "legacy bytes");
}

TEST_F(ConvertedFileTest, WrongRowCountOrNoWordFileLeavesBothFilesAlone) {
    EXPECT_THROW(ConvertedFile::install(legacy, converted, {3, 1}), StoreError);
    EXPECT_THROW(ConvertedFile::install(legacy, converted, {2, 0}), StoreError);
    const QString text = dir.filePath(QStringLiteral("text.vku"));
    testfiles::writeAll(text, "not a word file");
    EXPECT_THROW(ConvertedFile::install(legacy, text, {0, 0}), StoreError);
    EXPECT_EQ(testfiles::readAll(legacy), "legacy bytes");
    EXPECT_EQ(entries(), (QStringList{"new.vku", "text.vku", "words.vku"}));
}

} // namespace
