// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appvalues.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"
#include "data/wordrecord.h"
#include "data/wordstore.h"

#include <QStringList>
#include <vector>

// Doubles of the dialog and sound seams and helpers that make word data files for the
// drill's tests.
namespace drillfixture {

struct Message {
    QString text;
    UserDialogs::Icon icon;
};

class RecordingDialogs : public UserDialogs {
public:
    void inform(const QString& text, Icon icon) override { messages.push_back({text, icon}); }
    bool askYesNo(const QString&, Icon) override { return true; }
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }

    QStringList texts() const;
    std::vector<Message> messages;
};

class RecordingSound : public SoundPlayer {
public:
    void play(const QString& fileName) override { played << fileName; }
    QStringList played;
};

// A word with the given progress; its text names group and key ("w3-17").
WordRecord word(int group, int key, int level = 0, int times = 0, const QString& text6 = {});

// count words of group starting at key 1, all with the same progress.
std::vector<WordRecord> words(int group, int count, int level = 0, int times = 0);

// Makes a word data file of the words, with every group in the practice set, and puts its
// counts and the usual display settings into values.
void makeWordFile(const QString& path, const std::vector<WordRecord>& rows, AppValues& values);

// The word row of group and key as stored now.
std::optional<WordRecord> storedWord(const QString& path, int group, int key);

// Runs SQL on the file through a connection of its own, behind the drill's back.
void execBehindTheBack(const QString& path, const char* sql);

} // namespace drillfixture
