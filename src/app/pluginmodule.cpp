// SPDX-License-Identifier: GPL-3.0-or-later
#include "pluginmodule.h"

#include <QCoreApplication>
#include <QDir>

QStringList PluginModule::defaultPaths(const QString& fileName) {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return {folder + fileName,
            QDir::cleanPath(folder + QStringLiteral(VOKU_LIB_FROM_BIN "/") + fileName)};
}
