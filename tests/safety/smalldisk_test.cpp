// SPDX-License-Identifier: GPL-3.0-or-later
// Grades, practice sets, group resets, settings and new word files on a full, a nearly full
// and a read-only disk. The disk is a small tmpfs mounted for the test, since as root file
// permissions would not stop a write.
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

// Every row of both tables.
std::vector<std::tuple<int, int, int, int>> rowsOf(const QString& wordFile) {
    std::vector<std::tuple<int, int, int, int>> rows;
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
    void fill(qint64 spare) {
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

// Each write either succeeds in full or fails with a message and changes nothing; with no
// room at all (0) or on a read-only disk (-1), every write fails and every file stays.
TEST_F(SmallDiskTest, EveryWriteSucceedsInFullOrFailsWithAMessage) {
    QTemporaryDir roomy;
    const QString reference = roomy.filePath(QStringLiteral("words.vku"));
    const std::function<void(WordStore&)> writes[] = {
        [](WordStore& store) { store.writeGrade(11, 1, 3, 8); },
        [](WordStore& store) { store.buildPracticeSet(CrashPlan::practiceGroups(1)); },
        [](WordStore& store) {
            store.resetGroups({11, 12, 13, 14, 15});
        },
    };
    int failedHalfway = 0;
    for (qint64 spare : {0, 4096, 12288, 40960, 163840, 655360, -1}) {
        SCOPED_TRACE(spare);
        const QByteArrayList before = snapshot();
        QFile::remove(reference);
        ASSERT_TRUE(QFile::copy(wordFile, reference));
        if (spare < 0) {
            ASSERT_EQ(::mount(nullptr, QFile::encodeName(disk.path()).constData(), nullptr,
                              MS_REMOUNT | MS_RDONLY, nullptr),
                      0);
        }
        WordStore store = WordStore::open(wordFile);
        WordStore expected = WordStore::open(reference);
        if (spare >= 0)
            fill(spare);
        const std::string why = spare < 0 ? "読み取り専用" : "ディスクの空き容量が足りません";
        for (const auto& write : writes) {
            const std::string message = messageOf([&] { write(store); });
            if (message.empty())
                write(expected);
            EXPECT_TRUE(message.empty() ? spare > 0 : message.find(why) != std::string::npos)
                << message;
            failedHalfway += spare > 0 && !message.empty();
        }
        const bool settings = CrashPlan::writeSettings(disk.path(), 1);
        const bool created =
            messageOf([&] { CrashPlan::makeWordFile(disk.filePath("new.vku")); }).empty();
        QFile::remove(filler);
        EXPECT_EQ(rowsOf(wordFile), rowsOf(reference));
        if (spare <= 0) {
            EXPECT_FALSE(settings || created);
            EXPECT_EQ(snapshot(), before);
        }
        QFile::remove(disk.filePath("new.vku"));
        if (spare >= 0) { // with room again the same connection writes as before
            EXPECT_NO_THROW(writes[0](store));
        }
    }
    EXPECT_GT(failedHalfway, 0);
}

} // namespace
