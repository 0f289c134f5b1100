// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundplayer.h"

#include <QStringList>
#include <memory>

struct AppValues;

// The program's sound player. Qt Multimedia and the audio libraries behind it take a
// noticeable part of the start-up time, so the real player (QtSoundPlayer) lives in a
// module of its own that is loaded on the first sound. Without the module: silence.
class LazySoundPlayer : public SoundPlayer {
public:
    // modulePaths: where to look for the sound module, in order.
    LazySoundPlayer(const AppValues& values, QStringList modulePaths);
    ~LazySoundPlayer() override;

    void play(const QString& fileName) override;
    // True once the module was found and loaded (on the first sound).
    bool hasModule() const { return player_ != nullptr; }

    // The module beside the program (a build), then the installed one, found from the
    // program's folder as the data are.
    static QStringList defaultModulePaths();

private:
    const AppValues& values_;
    QStringList modulePaths_;
    bool tried_ = false;
    std::unique_ptr<SoundPlayer> player_;
};
