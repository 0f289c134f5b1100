// SPDX-License-Identifier: GPL-3.0-or-later
#include "newwordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace NewWordFile {

namespace {

const QString journalSuffix = QStringLiteral("-journal");

// The file being filled, as plain bytes a signal handler can use.
char unfinishedPath[PATH_MAX];
char unfinishedJournal[PATH_MAX + 8];
volatile sig_atomic_t unfinishedKnown = 0;

void remember(const QString& temporary) {
    const QByteArray native = QFile::encodeName(temporary);
    const QByteArray journal = QFile::encodeName(temporary + journalSuffix);
    if (journal.size() >= qsizetype(sizeof unfinishedPath))
        return;
    std::memcpy(unfinishedPath, native.constData(), size_t(native.size()) + 1);
    std::memcpy(unfinishedJournal, journal.constData(), size_t(journal.size()) + 1);
    unfinishedKnown = 1;
}

void removeWithJournal(const QString& path) {
    unfinishedKnown = 0;
    QFile::remove(path);
    QFile::remove(path + journalSuffix);
}

// Holds an advisory lock on the file being filled, which tells another run that the
// file is in use and not left over.
class FillLock {
public:
    explicit FillLock(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~FillLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FillLock(const FillLock&) = delete;
    FillLock& operator=(const FillLock&) = delete;

private:
    int fd_;
};

bool inUse(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

// Removes TARGET.XXXXXX.part files (and journals) that no running fill holds.
void removeStale(const QString& path) {
    const QFileInfo target(path);
    const QRegularExpression ours(QStringLiteral("^%1\\.[A-Za-z0-9]{6}\\.part(-journal)?$")
                                      .arg(QRegularExpression::escape(target.fileName())));
    const QDir folder = target.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const auto match = ours.match(name);
        if (!match.hasMatch())
            continue;
        const QString part = folder.filePath(
            match.captured(1).isEmpty() ? name : name.chopped(journalSuffix.size()));
        if (!inUse(part))
            QFile::remove(folder.filePath(name));
    }
}

// Reserves a unique TARGET.XXXXXX.part name in the target's folder for SQLite to create.
// The name is remembered before the file exists, so that a signal at any moment finds it.
QString reserveTemporary(const QString& path) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString random;
        for (int i = 0; i < 6; ++i)
            random += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        const QString temporary = path + QLatin1Char('.') + random + QStringLiteral(".part");
        remember(temporary);
        const QByteArray native = QFile::encodeName(temporary);
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(native.constData());
            return temporary;
        }
        if (errno != EEXIST)
            break;
    }
    unfinishedKnown = 0;
    throw StoreError(StoreError::Kind::Failed, path, QStringLiteral("フォルダーに書き込めません"));
}

} // namespace

void removeUnfinished() {
    if (!unfinishedKnown)
        return;
    ::unlink(unfinishedPath);
    ::unlink(unfinishedJournal);
}

void write(const QString& path, const std::function<void(WordStore&)>& fill, Existing existing) {
    if (existing == Existing::Refuse && QFileInfo::exists(path))
        throw StoreError(StoreError::Kind::Failed, path,
                         QStringLiteral("同じ名前のファイルがすでにあります"));
    removeStale(path);
    const QString temporary = reserveTemporary(path);
    std::unique_ptr<FillLock> lock;
    try {
        WordStore store = WordStore::create(temporary);
        lock = std::make_unique<FillLock>(temporary);
        fill(store);
    } catch (...) {
        removeWithJournal(temporary);
        throw;
    }
    // QFile::rename never replaces a file; ::rename replaces it in one step.
    const bool moved = existing == Existing::Refuse
                           ? QFile::rename(temporary, path)
                           : ::rename(QFile::encodeName(temporary).constData(),
                                      QFile::encodeName(path).constData()) == 0;
    if (!moved) {
        removeWithJournal(temporary);
        throw StoreError(StoreError::Kind::Failed, path,
                         QStringLiteral("%1 を %2 に名前を変えられません")
                             .arg(QFileInfo(temporary).fileName(), QFileInfo(path).fileName()));
    }
    unfinishedKnown = 0;
}

} // namespace NewWordFile
