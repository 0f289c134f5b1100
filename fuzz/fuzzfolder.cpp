// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace FuzzFolder {

const QString& path() {
    static const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm")
                                    : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/voku-fuzz-XXXXXX"));
    if (!dir.isValid())
        qFatal("cannot make a scratch folder under %s", qPrintable(base));
    static const QString folder = dir.path();
    return folder;
}

} // namespace FuzzFolder
