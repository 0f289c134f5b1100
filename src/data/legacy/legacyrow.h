// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

// One row of the table word or selected as a legacy file holds it, before any check:
// every field may be Null, and a text that could not be read is marked, not guessed.
struct LegacyRow {
    static constexpr int NumberCount = 4;
    static constexpr int TextCount = 8;
    // The column names, numbers first (group, key, level, times), then the texts.
    static constexpr std::array<const char*, NumberCount + TextCount> fieldNames = {
        "group", "key",   "level", "times", "word",  "meaning",
        "text1", "text2", "text3", "text4", "text5", "text6"};

    std::array<std::optional<qint64>, NumberCount> numbers;
    std::array<std::optional<QString>, TextCount> texts;
    std::array<bool, TextCount> unreadable{};
};
