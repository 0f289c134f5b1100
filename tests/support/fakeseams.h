// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/documentopener.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

// The one test double of each seam: each records what the program asked of it and answers
// as the test set it up to.

// Answers for the learner: questions take `answers` in order, then `answerWhenNone`.
class FakeDialogs : public UserDialogs {
public:
    QStringList messages;  // texts of inform(), in order
    QList<Icon> icons;     // the icon of each message
    QStringList questions; // texts of askYesNo(), in order
    std::deque<bool> answers;
    bool answerWhenNone = false;
    std::function<void(const QString&)> beforeAnswer; // runs as each question is asked
    QStringList fileChoices;  // next paths of the open dialog; cancel when none is left
    QStringList startFolders; // where each open dialog started
    QString pdfChoice;        // the PDF name chosen; empty cancels
    QStringList pdfSuggestions;
    std::optional<QColor> colourAnswer; // nothing cancels
    QList<QColor> colourRequests;       // the colour each picker started from

    void inform(const QString& text, Icon icon) override {
        messages << text;
        icons << icon;
    }
    bool askYesNo(const QString& text, Icon) override {
        questions << text;
        if (beforeAnswer)
            beforeAnswer(text);
        if (answers.empty())
            return answerWhenNone;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString chooseDataFile(const QString& startFolder) override {
        startFolders << startFolder;
        return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
    }
    QString choosePdfFile(const QString& suggestedPath) override {
        pdfSuggestions << suggestedPath;
        return pdfChoice;
    }
    std::optional<QColor> chooseColour(const QColor& initial) override {
        colourRequests << initial;
        return colourAnswer;
    }
};

class FakeSound : public SoundPlayer {
public:
    QStringList played;
    void play(const QString& fileName) override { played << fileName; }
};

class FakeOpener : public DocumentOpener {
public:
    QStringList opened;
    bool succeeds = true;
    bool open(const QString& path) override {
        opened << path;
        return succeeds;
    }
};
