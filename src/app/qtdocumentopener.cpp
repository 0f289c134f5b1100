// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdocumentopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtDocumentOpener::open(const QString& path) {
    return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
