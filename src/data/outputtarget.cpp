// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputtarget.h"

#include "ioreason.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <sys/stat.h>

namespace OutputTarget {

namespace {

bool tooLong(const QByteArray& native) {
    if (native.size() >= PATH_MAX)
        return true;
    for (const QByteArray& part : native.split('/')) {
        if (part.size() > NAME_MAX)
            return true;
    }
    return false;
}

bool isWordDataFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(19);
    const QByteArray engine = head.mid(4, 15);
    return head.startsWith(QByteArray("SQLite format 3\0", 16)) || engine == "Standard Jet DB" ||
           engine == "Standard ACE DB";
}

bool sameFile(const struct stat& a, const QString& other) {
    struct stat b {};
    return ::stat(QFile::encodeName(other).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace

QString nameProblem(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("出力ファイル名が空です");
    if (tooLong(QFile::encodeName(path)))
        return QStringLiteral("出力ファイル名が長すぎます: %1…").arg(path.left(60));
    return {};
}

QString refusal(const QString& path, const QString& input, bool force) {
    if (const QString problem = nameProblem(path); !problem.isEmpty())
        return problem;
    const QByteArray native = QFile::encodeName(path);
    struct stat target {};
    if (::stat(native.constData(), &target) != 0) {
        const int error = errno;
        if (error != ENOENT)
            return QStringLiteral("出力先を確かめられません（%1）: %2")
                .arg(IoReason::describe(error), path);
        // Nothing there, unless a dangling link would send the output elsewhere.
        if (::lstat(native.constData(), &target) != 0)
            return {};
    }
    if (!S_ISREG(target.st_mode))
        return QStringLiteral("通常のファイルではないため書き込みません: %1").arg(path);
    if (sameFile(target, input))
        return QStringLiteral("出力先が入力ファイルと同じです: %1").arg(path);
    if (isWordDataFile(path))
        return QStringLiteral("単語データファイルには書き込みません: %1").arg(path);
    if (!force)
        return QStringLiteral("%1 はすでにあります。置き換えるときは --force を付けてください")
            .arg(path);
    return {};
}

} // namespace OutputTarget
