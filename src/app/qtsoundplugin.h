// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qtsoundplayer.h"
#include "app/soundplayerplugin.h"

#include <QObject>

// The sound plugin's entry: hands out QtSoundPlayer, so that Qt Multimedia is loaded
// only with the first sound.
class QtSoundPlugin : public QObject, public SoundPlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundPlayerPlugin_iid)
    Q_INTERFACES(SoundPlayerPlugin)

public:
    std::unique_ptr<SoundPlayer> create(const AppValues& values) override {
        return std::make_unique<QtSoundPlayer>(values);
    }
};
