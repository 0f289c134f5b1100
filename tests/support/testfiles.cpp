// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testfiles {

QString fixture(const QString& relativePath) {
    return QDir::cleanPath(QStringLiteral(VOKU_FIXTURES_DIR) + QLatin1Char('/') + relativePath);
}

QString copyFixture(const QString& relativePath, const QString& dir) {
    const QString source = fixture(relativePath);
    const QString target = dir + QLatin1Char('/') + QFileInfo(source).fileName();
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    return target;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

TempHome::TempHome()
    : oldHome_(qgetenv("HOME"))
    , oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", dir_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (dir_.path() + QStringLiteral("/.config")).toLocal8Bit());
    QDir(dir_.path()).mkpath(QStringLiteral("Documents"));
}

TempHome::~TempHome() {
    qputenv("HOME", oldHome_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
}

QString TempHome::documentsFolder() const {
    return dir_.path() + QStringLiteral("/Documents/");
}

} // namespace testfiles
