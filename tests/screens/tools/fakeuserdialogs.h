// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/userdialogs.h"

#include <QList>
#include <QStringList>

// Answers for the learner and records what was asked.
class FakeUserDialogs : public UserDialogs {
public:
    QStringList messages;
    QStringList questions;
    bool answer = false;
    QList<QColor> colourRequests;
    std::optional<QColor> colourAnswer;

    void inform(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override {
        questions << text;
        return answer;
    }
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor& initial) override {
        colourRequests << initial;
        return colourAnswer;
    }
};
