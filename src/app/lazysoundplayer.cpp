// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazysoundplayer.h"

#include "pluginmodule.h"
#include "soundplayerplugin.h"

LazySoundPlayer::LazySoundPlayer(const AppValues& values, QStringList modulePaths)
    : values_(values)
    , modulePaths_(std::move(modulePaths)) {}

LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::play(const QString& fileName) {
    if (!tried_) {
        tried_ = true;
        if (auto* plugin = PluginModule::load<SoundPlayerPlugin>(modulePaths_))
            player_ = plugin->create(values_);
    }
    if (player_)
        player_->play(fileName);
}

QStringList LazySoundPlayer::defaultModulePaths() {
    return PluginModule::defaultPaths(QStringLiteral("libvoku_sound.so"));
}
