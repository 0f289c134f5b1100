// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/documentopener.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"
#include "app/wordspeaker.h"

// Seams that answer at once, so a benchmark measures the program and not a dialog.
class SilentDialogs : public UserDialogs {
public:
    void inform(const QString&, Icon) override {}
    bool askYesNo(const QString&, Icon) override { return true; }
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    QString chooseCsvFile(const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&) override { return {}; }
    QString chooseOne(const QString&, const QStringList&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }
};

class SilentSound : public SoundPlayer {
public:
    void play(const QString&) override {}
};

class SilentSpeaker : public WordSpeaker {
public:
    void speak(const QString&) override {}
    bool isSpeaking() const override { return false; }
};

class NoOpener : public DocumentOpener {
public:
    bool open(const QString&) override { return false; }
};
