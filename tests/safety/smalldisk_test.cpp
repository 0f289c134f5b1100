// SPDX-License-Identifier: GPL-3.0-or-later
// Grades, practice sets, group resets, settings and new word files on a full or read-only
// disk: each fails with a message (or false) and every value written before stays as it
// was. The disk is a small tmpfs mounted for the test, since as root file permissions would
// not stop a write.
#include "crashplan.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using Rows = std::vector<std::tuple<int, int, int, int>>;

// Every row of both tables.
Rows rowsOf(const QString& wordFile) {
    Rows rows;
    const WordStore store = WordStore::open(wordFile);
    for (auto table : {WordStore::Table::Word, WordStore::Table::Selected}) {
        store.forEachRow(table, [&rows](const WordRecord& row) {
            rows.emplace_back(row.group, row.key, row.level, row.times);
        });
    }
    return rows;
}

std::string messageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const StoreError& error) {
        return error.message().toStdString();
    }
    return {};
}

class SmallDiskTest : public testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system for the test needs root";
        if (::mount("voku-safety", QFile::encodeName(disk.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, "size=2m"))
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        mounted = true;
        CrashPlan::makeWordFile(wordFile);
        WordStore store = WordStore::open(wordFile);
        // Checked words in the first and last reset group show a reset cut halfway.
        for (int group : {1, 11, 15})
            store.writeGrade(group, 1, 3, 8);
        ASSERT_TRUE(CrashPlan::writeSettings(disk.path(), 0));
    }

    void TearDown() override {
        if (mounted)
            ::umount2(QFile::encodeName(disk.path()).constData(), MNT_DETACH);
    }

    // The name and bytes of every file on the disk.
    QByteArrayList snapshot() const {
        QByteArrayList files;
        for (const QString& name : QDir(disk.path()).entryList(QDir::Files | QDir::Hidden))
            files << name.toUtf8() << testfiles::readAll(disk.filePath(name));
        return files;
    }

    // Takes all the room on the disk but spare bytes.
    void fill(qint64 spare = 0) {
        struct statvfs info {};
        ::statvfs(QFile::encodeName(disk.path()).constData(), &info);
        QFile file(filler);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(::posix_fallocate(file.handle(), 0, info.f_bavail * info.f_frsize - spare), 0);
    }

    QTemporaryDir disk;
    bool mounted = false;
    const QString wordFile = CrashPlan::wordFile(disk.path());
    const QString filler = disk.filePath(QStringLiteral(".filler"));
};

TEST_F(SmallDiskTest, OnAFullOrReadOnlyDiskEveryWriteFailsWithAMessageAndNothingChanges) {
    for (const std::string message : {"ディスクの空き容量が足りません", "読み取り専用"}) {
        SCOPED_TRACE(message);
        const auto before = snapshot();
        const bool full = message.find("空き") != std::string::npos;
        std::optional<WordStore> store;
        if (full) {
            store = WordStore::open(wordFile);
            fill();
        } else {
            ASSERT_EQ(::mount(nullptr, QFile::encodeName(disk.path()).constData(), nullptr,
                              MS_REMOUNT | MS_RDONLY, nullptr),
                      0);
            store = WordStore::open(wordFile);
        }
        const std::function<void()> writes[] = {
            [&] { store->writeGrade(1, 2, 0, 1); },
            [&] { store->buildPracticeSet(CrashPlan::practiceGroups(1)); },
            [&] { store->resetGroups(CrashPlan::resetGroups(0)); },
        };
        for (const auto& write : writes)
            EXPECT_NE(messageOf(write).find(message), std::string::npos);
        EXPECT_FALSE(CrashPlan::writeSettings(disk.path(), 1));
        EXPECT_THROW(CrashPlan::makeWordFile(disk.filePath(QStringLiteral("new.vku"))), StoreError);
        QFile::remove(filler);
        EXPECT_EQ(snapshot(), before);
        // With room again the same connection writes as before.
        if (full)
            EXPECT_TRUE(store->writeGrade(1, 2, 0, 1));
    }
}

// With a little room left, an operation may run out of it at any point of its transaction:
// it then throws and leaves the file as it was, or it succeeds in full.
TEST_F(SmallDiskTest, RunningOutOfRoomHalfwayKeepsTheFileWhole) {
    QTemporaryDir referenceDir;
    const QString reference = referenceDir.filePath(QStringLiteral("words.vku"));
    int failed = 0;
    for (qint64 spare : {4096, 12288, 40960, 81920, 163840, 327680, 655360}) {
        SCOPED_TRACE(spare);
        for (int group : {11, 15})
            WordStore::open(wordFile).writeGrade(group, 1, 3, 8);
        QFile::remove(reference);
        QFile::copy(wordFile, reference);
        fill(spare);
        WordStore store = WordStore::open(wordFile);
        const bool built =
            messageOf([&] { store.buildPracticeSet(CrashPlan::practiceGroups(1)); }).empty();
        const bool reset = messageOf([&] { store.resetGroups(CrashPlan::resetGroups(1)); }).empty();
        QFile::remove(filler);
        failed += !built + !reset;
        // The same operations on a disk with room, those that failed left out.
        WordStore expected = WordStore::open(reference);
        if (built)
            expected.buildPracticeSet(CrashPlan::practiceGroups(1));
        if (reset)
            expected.resetGroups(CrashPlan::resetGroups(1));
        EXPECT_EQ(rowsOf(wordFile), rowsOf(reference));
        store.buildPracticeSet(CrashPlan::practiceGroups(0));
    }
    EXPECT_GT(failed, 0);
}

} // namespace
