// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/documentopener.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"

#include <QStringList>

// Answers for the learner and records every message shown.
class FakeUserDialogs : public UserDialogs {
public:
    QStringList messages;

    void inform(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override {
        messages << text;
        return true;
    }
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }
};

// Records the sounds asked for.
class FakeSoundPlayer : public SoundPlayer {
public:
    QStringList played;
    void play(const QString& fileName) override { played << fileName; }
};

// Records the documents asked for and opens none.
class FakeDocumentOpener : public DocumentOpener {
public:
    QStringList opened;
    bool open(const QString& path) override {
        opened << path;
        return true;
    }
};
