// SPDX-License-Identifier: GPL-3.0-or-later
// Grades, practice sets, group resets and settings on a full or read-only disk: each fails
// with a message (or false) and every value written before stays as it was. The disk is a
// small tmpfs mounted for the test, since as root file permissions would not stop a write.
#include "crashplan.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <tuple>
#include <unistd.h>

namespace {

using Rows = std::vector<std::tuple<int, int, int, int>>;

Rows rowsOf(const WordStore& store, WordStore::Table table) {
    Rows rows;
    store.forEachRow(table, [&rows](const WordRecord& row) {
        rows.emplace_back(row.group, row.key, row.level, row.times);
    });
    return rows;
}

struct Snapshot {
    Rows words;
    Rows selected;
    std::vector<QByteArray> settings;
    bool operator==(const Snapshot&) const = default;
};

class SmallDiskTest : public testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system for the test needs root";
        if (::mount("voku-safety", disk.path().toLocal8Bit().constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, "size=2m") != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        mounted = true;
        CrashPlan::makeWordFile(wordFile);
        WordStore store = WordStore::open(wordFile);
        store.buildPracticeSet(CrashPlan::practiceGroups(0));
        store.writeGrade(1, 1, 3, 8);
        store.writeGrade(20, 150, 4, 1);
        ASSERT_TRUE(CrashPlan::writeSettings(disk.path(), 0));
    }

    void TearDown() override {
        if (mounted)
            ::umount2(disk.path().toLocal8Bit().constData(), MNT_DETACH);
    }

    Snapshot snapshot() const {
        const WordStore store = WordStore::open(wordFile);
        Snapshot found{
            rowsOf(store, WordStore::Table::Word), rowsOf(store, WordStore::Table::Selected), {}};
        for (const QString& name : CrashPlan::settingsFiles())
            found.settings.push_back(testfiles::readAll(disk.filePath(name)));
        return found;
    }

    // Fills the disk until only `spare` bytes are left (none: until a write fails).
    void fill(qint64 spare = 0) {
        struct statvfs info {};
        ::statvfs(disk.path().toLocal8Bit().constData(), &info);
        qint64 left = static_cast<qint64>(info.f_bavail * info.f_frsize) - spare;
        const int fd =
            ::open(filler().toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        const QByteArray chunk(4096, 'x');
        while ((spare == 0 || left > 0) &&
               ::write(fd, chunk.constData(), static_cast<size_t>(chunk.size())) > 0)
            left -= chunk.size();
        while (spare == 0 && ::write(fd, "x", 1) > 0) {
        }
        ::close(fd);
    }

    void makeRoom() { QFile::remove(filler()); }

    QString filler() const { return disk.filePath(QStringLiteral("filler")); }

    bool remount(unsigned long flags) {
        return ::mount(nullptr, disk.path().toLocal8Bit().constData(), nullptr, MS_REMOUNT | flags,
                       nullptr) == 0;
    }

    QTemporaryDir disk;
    bool mounted = false;
    const QString wordFile = CrashPlan::wordFile(disk.path());
};

std::string messageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const StoreError& error) {
        return error.message().toStdString();
    }
    return {};
}

TEST_F(SmallDiskTest, OnAFullDiskEveryWriteFailsWithAMessageAndNothingChanges) {
    const Snapshot before = snapshot();
    WordStore store = WordStore::open(wordFile);
    fill();
    const std::string full = "ディスクの空き容量が足りません";
    EXPECT_NE(messageOf([&] { store.writeGrade(1, 2, 0, 1); }).find(full), std::string::npos);
    EXPECT_NE(messageOf([&] { store.buildPracticeSet(CrashPlan::practiceGroups(1)); }).find(full),
              std::string::npos);
    EXPECT_NE(messageOf([&] { store.resetGroups(CrashPlan::resetGroups(0)); }).find(full),
              std::string::npos);
    EXPECT_FALSE(CrashPlan::writeSettings(disk.path(), 1));
    makeRoom();

    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(QFile::exists(wordFile + QStringLiteral("-journal")));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 4)
        << "a failed write left a file behind";
    // With room again the same connection writes as before.
    EXPECT_TRUE(store.writeGrade(1, 2, 0, 1));
}

// With a little room left, an operation may run out of it at any point of its transaction:
// it then throws and leaves the file as it was, or it succeeds in full.
TEST_F(SmallDiskTest, RunningOutOfRoomHalfwayKeepsTheFileWhole) {
    int failed = 0;
    const std::vector<qint64> spares{4096, 12288, 40960, 81920, 163840, 327680, 655360};
    for (qint64 spare : spares) {
        const Snapshot before = snapshot();
        WordStore store = WordStore::open(wordFile);
        fill(spare);
        const std::string failure =
            messageOf([&] { store.buildPracticeSet(CrashPlan::practiceGroups(1)); }) +
            messageOf([&] { store.resetGroups(CrashPlan::resetGroups(1)); });
        makeRoom();
        const Snapshot after = snapshot();
        if (!failure.empty()) {
            ++failed;
            EXPECT_EQ(after.words, before.words) << spare;
        } else {
            EXPECT_EQ(after.selected.size(), 13u * CrashPlan::wordsPerGroup) << spare;
        }
        EXPECT_TRUE(after.selected == before.selected ||
                    after.selected.size() == 13u * CrashPlan::wordsPerGroup)
            << "a practice set of " << after.selected.size() << " words with " << spare
            << " bytes spare";
        store.buildPracticeSet(CrashPlan::practiceGroups(0));
    }
    std::cout << "[ figures  ] disk full halfway: " << failed << " of " << spares.size()
              << " runs failed with a message, the rest completed" << std::endl;
    EXPECT_GT(failed, 0);
}

TEST_F(SmallDiskTest, OnAReadOnlyDiskEveryWriteFailsWithAMessageAndNothingChanges) {
    const Snapshot before = snapshot();
    ASSERT_TRUE(remount(MS_RDONLY)) << std::strerror(errno);
    WordStore store = WordStore::open(wordFile);
    EXPECT_TRUE(store.isReadOnly());
    const std::string readOnly = "読み取り専用";
    EXPECT_NE(messageOf([&] { store.writeGrade(1, 2, 0, 1); }).find(readOnly), std::string::npos);
    EXPECT_NE(
        messageOf([&] { store.buildPracticeSet(CrashPlan::practiceGroups(1)); }).find(readOnly),
        std::string::npos);
    EXPECT_NE(messageOf([&] { store.resetGroups(CrashPlan::resetGroups(0)); }).find(readOnly),
              std::string::npos);
    EXPECT_FALSE(CrashPlan::writeSettings(disk.path(), 1));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(store.groupSummaries().size(), static_cast<size_t>(CrashPlan::groupCount));
}

} // namespace
