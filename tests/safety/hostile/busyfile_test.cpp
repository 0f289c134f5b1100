// SPDX-License-Identifier: GPL-3.0-or-later
// A word file held by another program while the learner grades, builds a practice set or
// resets groups: the learner may try again or give up, and the file stays whole.
#include "craftedfile.h"

#include "app/appvalues.h"
#include "data/wordstore.h"
#include "screens/drill/drilllogic.h"
#include "screens/main/mainscreenlogic.h"
#include "support/fakeseams.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace craftedfile;
using testwords::makeWordFile;
using testwords::word;

namespace {

class BusyFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        makeWordFile(path_, words_);
        values_.dataFilePath = path_;
        values_.settingsFolder = dir_.path() + QLatin1Char('/');
    }

    // The learner answers yes, and the lock goes while the nth question is asked.
    void retryUntilQuestion(Connection& held, qsizetype n) {
        dialogs_.answers = QList<bool>(8, true);
        dialogs_.beforeAnswer = [this, &held, n](const QString&) {
            if (dialogs_.questions.size() == n)
                held.reset();
        };
    }

    QTemporaryDir dir_;
    const QString path_ = dir_.filePath(QStringLiteral("words.vku"));
    AppValues values_;
    FakeDialogs dialogs_;
    std::vector<WordRecord> words_{word(1, 1), word(1, 2), word(1, 3), word(2, 1)};
};

TEST_F(BusyFileTest, TheDrillGivesUpAGradeOrStoresItOnceOnTryingAgain) {
    values_.levelCounts = {0, 0, 0, 0, 0, 4};
    exec(path_, QStringLiteral("PRAGMA journal_mode = WAL"));
    WordStore store = WordStore::open(path_);
    store.buildPracticeSet({1, 2});
    EXPECT_EQ(snapshot(path_).bytes.at(18), 1) << "a file left in WAL mode is put back";
    FakeSound sound;
    FakeSpeaker speaker;
    DrillLogic drill(values_, store, dialogs_, sound, speaker);
    drill.load();
    drill.levelClick(LevelClass::Never);
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "NG");
        const Connection held = lock(path_);
        ok ? drill.okClick(0) : drill.ngClick(0);
        EXPECT_FALSE(drill.hasFailed());
        EXPECT_EQ(drill.view().cards[0].level.text, QStringLiteral("1回目"));
    }
    EXPECT_EQ(dialogs_.questions.size(), 2);
    EXPECT_EQ(testwords::rowsOf(path_), words_);

    Connection held = lock(path_);
    retryUntilQuestion(held, 4);
    drill.ngClick(0);
    words_[0] = word(1, 1, 4, 1);
    EXPECT_EQ(testwords::rowsOf(path_), words_);
}

TEST_F(BusyFileTest, TheMainScreenGivesUpOrTriesAgain) {
    FakeOpener opener;
    MainScreenLogic main(values_, dialogs_, opener, QString());
    int drills = 0;
    QObject::connect(&main, &MainScreenLogic::drillRequested, [&drills] { ++drills; });
    main.load();
    main.chooseGroups({0});
    exec(path_, QStringLiteral("UPDATE word SET level = 2, times = 7"));
    const Snapshot before = snapshot(path_);
    {
        const Connection held = lock(path_);
        main.buildPracticeSet();
        dialogs_.answers = {true, false};
        main.resetGroups();
    }
    ASSERT_EQ(dialogs_.questions.size(), 3);
    EXPECT_TRUE(dialogs_.questions[0].contains(QStringLiteral("再試行")));
    EXPECT_EQ(drills, 0);
    EXPECT_FALSE(main.progressVisible());
    EXPECT_EQ(snapshot(path_), before);

    Connection held = lock(path_);
    retryUntilQuestion(held, 4);
    main.buildPracticeSet();
    EXPECT_EQ(drills, 1);
    held = lock(path_);
    retryUntilQuestion(held, 6);
    main.resetGroups();
    EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join('\n').toStdString();
    EXPECT_EQ(testwords::rowsOf(path_),
              (std::vector{word(1, 1), word(1, 2), word(1, 3), word(2, 1, 2, 7)}));
    EXPECT_EQ(testwords::rowsOf(path_, true),
              (std::vector{word(1, 1, 2, 7), word(1, 2, 2, 7), word(1, 3, 2, 7)}));
}

// Another program reads in a transaction while a write spills more than SQLite's page cache
// holds: the write waits one busy timeout in all, not one per spill, and leaves the file
// as it was.
TEST_F(BusyFileTest, AWriteWaitsOneTimeoutForAReaderThenGivesUpCleanly) {
    std::vector<WordRecord> words = testwords::words(1, 3000, 1, 2);
    for (WordRecord& row : words) {
        row.group = 1 + row.key % 30;
        row.meaning = QString(2000, QLatin1Char('m'));
    }
    QFile::remove(path_);
    makeWordFile(path_, words);
    const Snapshot before = snapshot(path_);
    WordStore store = WordStore::open(path_);
    const std::vector<int> groups{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (const bool build : {true, false}) {
        SCOPED_TRACE(build ? "build" : "reset");
        ASSERT_TRUE(countingWaits);
        const qint64 waited = waitedMicroseconds;
        const Connection held = lock(path_, true);
        try {
            build ? (void)store.buildPracticeSet(groups) : store.resetGroups(groups);
            ADD_FAILURE() << "wrote past another program's lock";
        } catch (const StoreError& error) {
            EXPECT_EQ(error.kind(), StoreError::Kind::Busy);
        }
        EXPECT_LE(waitedMicroseconds - waited, 3'000'000);
    }
    EXPECT_EQ(snapshot(path_), before);
}

// A reader's queue holds no lock between its reads: another copy of the program can grade
// meanwhile, and the queue goes on in its order.
TEST_F(BusyFileTest, AnOpenQueueDoesNotBlockAnotherCopysGrade) {
    QFile::remove(path_);
    WordStore reader = WordStore::open(makeWordFile(path_, testwords::words(1, 40)));
    reader.buildPracticeSet({1});
    RankQueue queue = reader.rankQueue(LevelClass::Never);
    WordStore other = WordStore::open(path_);
    for (int key = 1; key <= 40; ++key) {
        ASSERT_EQ(queue.next()->key, key);
        EXPECT_TRUE(other.writeGrade(1, key, 0, 1));
    }
    EXPECT_FALSE(queue.next().has_value());
}

} // namespace
