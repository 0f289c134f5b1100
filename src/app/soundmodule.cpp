// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the sound module, which the program loads on the first sound so that
// Qt Multimedia and the audio libraries are not loaded at start.
#include "qtsoundplayer.h"

extern "C" Q_DECL_EXPORT SoundPlayer* vokuCreateSoundPlayer(const AppValues* values) {
    return new QtSoundPlayer(*values);
}
