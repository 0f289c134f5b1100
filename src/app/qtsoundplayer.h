// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundplayer.h"

#include <QHash>
#include <optional>

struct AppValues;
class QSoundEffect;

// Plays the sounds with one QSoundEffect per file, made on its first play, so nothing
// of the audio system is touched at start. Without an audio device it stays silent:
// a sound effect would then claim to play for ever.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(const AppValues& values);
    ~QtSoundPlayer() override;

    void play(const QString& fileName) override;

private:
    bool hasAudioOutput();
    QSoundEffect* effectFor(const QString& path);

    const AppValues& values_;
    std::optional<bool> hasAudioOutput_;
    QHash<QString, QSoundEffect*> effects_;
};
