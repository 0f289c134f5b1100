// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Plays the short OK and NG sounds. A missing file or audio device means silence,
// never a message or a wait. QtSoundPlayer is the real one, loaded by LazySoundPlayer.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays appFolder + fileName; returns at once.
    virtual void play(const QString& fileName) = 0;
};
