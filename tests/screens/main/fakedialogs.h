// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/documentopener.h"
#include "app/userdialogs.h"

#include <QStringList>
#include <deque>

// Answers for the learner and remembers what the screen said.
class FakeDialogs : public UserDialogs {
public:
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers; // next answers to questions; No when none is left
    QStringList fileChoices;  // next paths from the open dialog; cancel when none is left
    QStringList startFolders; // where the open dialog started
    QString pdfChoice;

    void inform(const QString& text, Icon) override { messages.append(text); }
    bool askYesNo(const QString& text, Icon) override {
        questions.append(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString chooseDataFile(const QString& startFolder) override {
        startFolders.append(startFolder);
        return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
    }
    QString choosePdfFile(const QString&) override { return pdfChoice; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }
};

class FakeOpener : public DocumentOpener {
public:
    QStringList opened;
    bool succeeds = true;

    bool open(const QString& path) override {
        opened.append(path);
        return succeeds;
    }
};
