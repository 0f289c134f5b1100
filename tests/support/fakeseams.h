// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/documentopener.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"
#include "app/wordspeaker.h"

#include <QStringList>
#include <functional>

// The one test double of each seam: each records what the program asked of it and answers
// as the test set it up to.

// Questions take `answers` in order, then `answerWhenNone`; the open dialogs take
// `fileChoices` in order, then cancel; the save dialog takes `saveChoices` in order, then
// cancels; a choice among buttons is `choiceAnswer` (empty cancels) and its text is a question.
class FakeDialogs : public UserDialogs {
public:
    QStringList messages, questions; // texts of inform() and askYesNo(), in order
    QList<bool> answers;
    bool answerWhenNone = false;
    QStringList fileChoices, startFolders; // where each open dialog started
    QString pdfChoice;                     // the PDF name chosen; empty cancels
    QStringList pdfSuggestions;
    QStringList saveChoices, saveSuggestions;
    QString choiceAnswer;
    std::optional<QColor> colourAnswer;               // nothing cancels
    std::function<void(const QString&)> beforeAnswer; // runs while a question is up

    void inform(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override {
        questions << text;
        if (beforeAnswer) {
            beforeAnswer(text);
        }
        return answers.isEmpty() ? answerWhenNone : answers.takeFirst();
    }
    QString chooseDataFile(const QString& startFolder) override {
        startFolders << startFolder;
        return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
    }
    QString choosePdfFile(const QString& suggestedPath) override {
        pdfSuggestions << suggestedPath;
        return pdfChoice;
    }
    QString chooseCsvFile(const QString& startFolder) override {
        return chooseDataFile(startFolder);
    }
    QString chooseSaveFile(const QString& suggestedPath, const QString&) override {
        saveSuggestions << suggestedPath;
        return saveChoices.isEmpty() ? QString() : saveChoices.takeFirst();
    }
    QString chooseOne(const QString& text, const QStringList&) override {
        questions << text;
        return choiceAnswer;
    }
    std::optional<QColor> chooseColour(const QColor&) override { return colourAnswer; }
};

class FakeSound : public SoundPlayer {
public:
    QStringList played;
    void play(const QString& fileName) override { played << fileName; }
};

class FakeSpeaker : public WordSpeaker {
public:
    QStringList spoken;
    void speak(const QString& word) override { spoken << word; }
    bool isSpeaking() const override { return false; }
};

class FakeOpener : public DocumentOpener {
public:
    QStringList opened;
    bool succeeds = true;
    bool open(const QString& path) override { return opened << path, succeeds; }
};
