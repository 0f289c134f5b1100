// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/levelclass.h"

#include <QString>
#include <QtGlobal>
#include <array>

// One card slot as read when its page was loaded; nothing here is re-read afterwards,
// so every grade is computed from these values.
struct DrillCard {
    qint32 CardGroup = 0;
    qint32 CardKey = 0;
    qint16 CardLevel = 0;
    qint32 CardTimes = 0;
    QString CardWord;
    QString CardMeaning; // "" when Null, as every text below
    QString CardText1;
    QString CardText2;
    QString CardText3;
    QString CardText4;
    QString CardText5;
    QString CardText6; // pronunciation
    qint16 CardGraded = 0;
    qint16 MeaningShown = 0;
};

// Everything the drill remembers: the ten card slots, the rank bar and page counters,
// and the values handed to and from the explanation window. Flags are 1 or 0.
struct DrillValues {
    static constexpr int Slots = 10;

    std::array<DrillCard, Slots> cards{};

    LevelCounts RankCounts{}; // words of each rank not yet passed with OK
    std::array<qint16, LevelClass::Count> RankDone{};
    qint16 CurrentRank = 0;
    qint16 QueueEnded = 0;
    qint16 CardsLeft = 0;
    qint16 RightClicked = 0;
    qint16 LastOkCard = 0;

    QString ExplainWord;
    QString ExplainMeaning;
    QString ExplainText1;
    QString ExplainText2;
    QString ExplainText3;
    QString ExplainText4;
    QString ExplainText5;
    QString ExplainText6;
    qint16 ExplainCardIndex = 0;
    qint16 ExplainFromNg = 0;
    qint16 PendingGrade = 0; // 0 none, 1 OK requested, 2 NG requested
};
