// SPDX-License-Identifier: GPL-3.0-or-later
// A word file held by another program while the learner grades, builds a practice set or
// resets groups: the learner may try again or give up, and the file stays whole.
#include "craftedfile.h"

#include "app/appvalues.h"
#include "app/documentopener.h"
#include "app/soundplayer.h"
#include "data/levelclass.h"
#include "data/wordstore.h"
#include "screens/drill/drilllogic.h"
#include "screens/main/mainscreenlogic.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace craftedfile;

namespace {

class SilentSound : public SoundPlayer {
public:
    void play(const QString&) override {}
};

class NoDocuments : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

class BusyFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Waiting the usual three seconds for a lock that will not go only slows tests.
        WordStore::setBusyTimeout(20);
        path_ = dir_.filePath(QStringLiteral("words.vku"));
        makeWordFile(path_, {word(1, 1), word(1, 2), word(1, 3), word(2, 1)});
        values_.dataFilePath = path_;
        values_.settingsFolder = dir_.path() + QLatin1Char('/');
        values_.windowTitle = QStringLiteral("VOKU英単カード　words.vku");
    }
    void TearDown() override { WordStore::setBusyTimeout(3000); }

    qint64 times(int group, int key) const {
        return integer(path_, QStringLiteral("SELECT times FROM word WHERE \"group\" = %1 AND "
                                             "key = %2")
                                  .arg(group)
                                  .arg(key)
                                  .toUtf8()
                                  .constData());
    }

    QTemporaryDir dir_;
    QString path_;
    AppValues values_;
    ScriptedDialogs dialogs_;
};

class BusyDrillTest : public BusyFileTest {
protected:
    void SetUp() override {
        BusyFileTest::SetUp();
        values_.levelCounts = {0, 0, 0, 0, 0, 4};
        store_ = std::make_unique<WordStore>(WordStore::open(path_));
        drill_ = std::make_unique<DrillLogic>(values_, *store_, dialogs_, sound_);
        QObject::connect(drill_.get(), &DrillLogic::fatalError, [this] { ++fatal_; });
        drill_->load();
        drill_->levelClick(LevelClass::Never);
    }

    SilentSound sound_;
    std::unique_ptr<WordStore> store_;
    std::unique_ptr<DrillLogic> drill_;
    int fatal_ = 0;
};

TEST_F(BusyDrillTest, GivingUpLeavesTheCardToBeGradedAgain) {
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "NG");
        dialogs_.questions.clear();
        ExclusiveLock lock(path_);
        ok ? drill_->okClick(0) : drill_->ngClick(0);
        ASSERT_EQ(dialogs_.questions.size(), 1);
        EXPECT_TRUE(dialogs_.questions[0].contains(QStringLiteral("再試行")));
        EXPECT_EQ(fatal_, 0);
        EXPECT_FALSE(drill_->hasFailed());
        EXPECT_TRUE(drill_->view().cards[0].ok.visible);
        EXPECT_EQ(drill_->view().cards[0].level.text, QStringLiteral("1回目"));
        EXPECT_FALSE(drill_->explainView().open);
        lock.release();
        EXPECT_EQ(times(1, 1), 0);
    }
    drill_->okClick(0);
    EXPECT_EQ(times(1, 1), 1);
    EXPECT_FALSE(drill_->view().cards[0].ok.visible);
}

TEST_F(BusyDrillTest, TryingAgainStoresTheGradeOnce) {
    ExclusiveLock lock(path_);
    dialogs_.answers = {{true}, {true, [&] { lock.release(); }}};
    drill_->ngClick(1);
    EXPECT_EQ(dialogs_.questions.size(), 2);
    EXPECT_EQ(times(1, 2), 1);
    EXPECT_EQ(integer(path_, "SELECT level FROM word WHERE key = 2 AND \"group\" = 1"), 4);
    drill_->okClick(1);
    EXPECT_EQ(times(1, 2), 1) << "the OK after a stored NG stores nothing";
    EXPECT_EQ(fatal_, 0);
}

// Another program's lock while a write spills more than SQLite's page cache holds: the
// write waits one busy timeout in all, not one per spill, and leaves the file as it was.
struct HeldLock {
    const char* name;
    ExclusiveLock::Kind kind;
    std::function<void(WordStore&)> write;
};

void PrintTo(const HeldLock& lock, std::ostream* out) {
    *out << lock.name;
}

class HeldLockTest : public BusyFileTest, public ::testing::WithParamInterface<HeldLock> {};

TEST_P(HeldLockTest, WaitsOneTimeoutThenGivesUpCleanly) {
    std::vector<WordRecord> words;
    for (int i = 0; i < 3000; ++i) {
        words.push_back(word(1 + i % 30, 1 + i / 30, 1, 2));
        words.back().meaning = QString(2000, QLatin1Char('m'));
    }
    QFile::remove(path_);
    makeWordFile(path_, words);
    const Snapshot before = snapshot(path_);
    CountedWaits waits;
    WordStore store = WordStore::open(path_);
    ExclusiveLock lock(path_, GetParam().kind);
    try {
        GetParam().write(store);
        ADD_FAILURE() << "wrote past another program's lock";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), StoreError::Kind::Busy);
    }
    EXPECT_LE(CountedWaits::milliseconds(), 20);
    lock.release();
    EXPECT_EQ(snapshot(path_), before);
}

INSTANTIATE_TEST_SUITE_P(
    Locks, HeldLockTest,
    ::testing::Values(HeldLock{"ReaderDuringBuild", ExclusiveLock::Kind::Read,
                               [](WordStore& s) {
                                   s.buildPracticeSet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
                               }},
                      HeldLock{"ReaderDuringReset", ExclusiveLock::Kind::Read,
                               [](WordStore& s) {
                                   s.resetGroups({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
                               }},
                      HeldLock{"ReaderDuringGrade", ExclusiveLock::Kind::Read,
                               [](WordStore& s) { s.writeGrade(1, 1, 2, 3); }},
                      HeldLock{"WriterDuringBuild", ExclusiveLock::Kind::Write,
                               [](WordStore& s) {
                                   s.buildPracticeSet({1, 2});
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// A reader's queue holds no lock between its reads: another copy of the program can
// grade meanwhile, and the queue goes on in its order.
TEST_F(BusyFileTest, AnOpenQueueDoesNotBlockAnotherCopysGrade) {
    std::vector<WordRecord> words;
    for (int key = 1; key <= 40; ++key)
        words.push_back(word(1, key));
    QFile::remove(path_);
    makeWordFile(path_, words);
    const WordStore reader = WordStore::open(path_);
    RankQueue queue = reader.rankQueue(LevelClass::Never);
    WordStore other = WordStore::open(path_);
    for (int key = 1; key <= 40; ++key) {
        ASSERT_EQ(queue.next()->key, key);
        EXPECT_TRUE(other.writeGrade(1, key, 0, 1));
    }
    EXPECT_FALSE(queue.next().has_value());
}

// A file left in write-ahead-log mode goes back to the rollback journal when opened.
TEST_F(BusyFileTest, AFileInWalModeIsPutBackToTheRollbackJournal) {
    exec(path_, QStringLiteral("PRAGMA journal_mode = WAL"));
    ASSERT_EQ(snapshot(path_).bytes.at(18), 2);
    WordStore(WordStore::open(path_)).writeGrade(1, 1, 0, 1);
    EXPECT_EQ(snapshot(path_).bytes.at(18), 1) << "the file format's journal byte";
    EXPECT_EQ(times(1, 1), 1);
}

class BusyMainTest : public BusyFileTest {
protected:
    void SetUp() override {
        BusyFileTest::SetUp();
        main_ = std::make_unique<MainScreenLogic>(values_, dialogs_, documents_, QString());
        QObject::connect(main_.get(), &MainScreenLogic::drillRequested, [this] { ++drills_; });
        QObject::connect(main_.get(), &MainScreenLogic::exitRequested,
                         [this](int status) { exits_.push_back(status); });
        main_->load();
        main_->chooseGroups({0});
        exec(path_, QStringLiteral("UPDATE word SET level = 2, times = 7"));
    }

    NoDocuments documents_;
    std::unique_ptr<MainScreenLogic> main_;
    int drills_ = 0;
    std::vector<int> exits_;
};

TEST_F(BusyMainTest, BuildingGivenUpLeavesTheFileAndGoesOn) {
    const QByteArray before = snapshot(path_).bytes;
    {
        ExclusiveLock lock(path_);
        main_->buildPracticeSet();
    }
    ASSERT_EQ(dialogs_.questions.size(), 1);
    EXPECT_TRUE(dialogs_.questions[0].contains(QStringLiteral("再試行")));
    EXPECT_EQ(drills_, 0);
    EXPECT_TRUE(exits_.empty());
    EXPECT_EQ(snapshot(path_).bytes, before);
    EXPECT_FALSE(main_->progressVisible());

    ExclusiveLock lock(path_);
    dialogs_.answers = {{true, [&] { lock.release(); }}};
    main_->buildPracticeSet();
    EXPECT_EQ(drills_, 1);
    EXPECT_EQ(integer(path_, "SELECT count(*) FROM selected WHERE times = 7"), 3);
}

TEST_F(BusyMainTest, ResetGivenUpLeavesTheFileAndTryingAgainResets) {
    {
        ExclusiveLock lock(path_);
        dialogs_.answers = {{true}, {false}};
        main_->resetGroups();
    }
    EXPECT_EQ(dialogs_.questions.size(), 2);
    EXPECT_TRUE(exits_.empty());
    EXPECT_EQ(times(1, 1), 7);

    ExclusiveLock lock(path_);
    dialogs_.answers = {{true}, {true, [&] { lock.release(); }}};
    main_->resetGroups();
    EXPECT_EQ(times(1, 1), 0);
    EXPECT_EQ(times(2, 1), 7);
    EXPECT_TRUE(exits_.empty());
}

} // namespace
