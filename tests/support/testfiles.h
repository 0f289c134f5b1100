// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// Every test gets its own copies of the legacy fixtures and its own HOME.
namespace testfiles {

// Path of a legacy fixture, e.g. fixture("jet/small-2000.vku"): the repository's files
// from tests/data/legacy/, as copied (and unpacked) into the build tree.
inline QString fixture(const QString& relativePath) {
    return QDir::cleanPath(QStringLiteral(VOKU_FIXTURES_DIR "/") + relativePath);
}

// Copies a fixture into dir, makes the copy writable and returns its path ("" on failure).
inline QString copyFixture(const QString& relativePath, const QString& dir) {
    const QString source = fixture(relativePath);
    const QString target = dir + QLatin1Char('/') + QFileInfo(source).fileName();
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    return target;
}

// A whole file; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes to a file, creating folders; false when it fails.
inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A temporary HOME (and XDG_CONFIG_HOME) with a Documents folder for the life of the object.
class TempHome {
public:
    TempHome() {
        qputenv("HOME", path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (path() + QStringLiteral("/.config")).toLocal8Bit());
        QDir(path()).mkpath(QStringLiteral("Documents"));
    }
    ~TempHome() {
        qputenv("HOME", oldHome_);
        qputenv("XDG_CONFIG_HOME", oldConfig_);
    }

    QString path() const { return dir_.path(); }
    QString documentsFolder() const { return path() + QStringLiteral("/Documents/"); }

private:
    QTemporaryDir dir_;
    QByteArray oldHome_ = qgetenv("HOME");
    QByteArray oldConfig_ = qgetenv("XDG_CONFIG_HOME");
};

} // namespace testfiles
