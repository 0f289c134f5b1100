// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazysoundplayer.h"

#include "soundplayerplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

LazySoundPlayer::LazySoundPlayer(const AppValues& values, QStringList modulePaths)
    : values_(values)
    , modulePaths_(std::move(modulePaths)) {}

LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::play(const QString& fileName) {
    if (!tried_) {
        tried_ = true;
        for (const QString& path : std::as_const(modulePaths_)) {
            // The plugin stays loaded for the rest of the run: the loader is not unloaded.
            QPluginLoader loader(path);
            if (auto* plugin = qobject_cast<SoundPlayerPlugin*>(loader.instance())) {
                player_ = plugin->create(values_);
                break;
            }
        }
    }
    if (player_)
        player_->play(fileName);
}

QStringList LazySoundPlayer::defaultModulePaths() {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return {folder + QStringLiteral("libvoku_sound.so"),
            QDir::cleanPath(folder + QStringLiteral(VOKU_LIB_FROM_BIN "/libvoku_sound.so"))};
}
