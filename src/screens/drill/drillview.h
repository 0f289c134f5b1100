// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/levelclass.h"
#include "drillvalues.h"

#include <QString>
#include <array>

// What one control shows. Colours are colour numbers as decimal text, like the
// settings hold them; an empty colour leaves the control's own.
struct ControlView {
    QString text;
    bool visible = false;
    bool enabled = true;
    QString colour;
    bool operator==(const ControlView&) const = default;
};

struct CardView {
    ControlView word;          // LB_word
    ControlView pronunciation; // LB_hatuon
    ControlView ok;            // BT_OK
    ControlView ng;            // BT_ng
    ControlView level;         // LB_level
};

// What the drill screen shows.
struct DrillView {
    QString caption;
    QString formColour;
    ControlView command1{QStringLiteral("メイン画面へ"), true, true, {}};
    ControlView undo{QStringLiteral("1つ戻る"), true, false, {}};
    ControlView next{QStringLiteral("次へ"), false, true, {}};
    QString hint;
    std::array<ControlView, LevelClass::Count> rankButtons{};
    std::array<ControlView, LevelClass::Count> rankCounts{};
    std::array<CardView, DrillValues::Slots> cards{};
};

// What the explanation window shows while it is open.
struct ExplainView {
    bool open = false;
    QString backColour;
    QString textBackColour;
    QString word;
    QString meaning;
    std::array<QString, 5> texts{}; // text1 .. text5
    ControlView pronunciation;      // LB_text6
    ControlView callOk{QStringLiteral("OK"), true, true, {}};
    ControlView callNg{QStringLiteral("NG"), true, true, {}};
};
