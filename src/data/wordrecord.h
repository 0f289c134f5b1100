// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One row of the tables word and selected. The texts other than word may be Null,
// which is kept apart from an empty text.
struct WordRecord {
    int group = 0;
    int key = 0;
    int level = 0;
    int times = 0;
    QString word;
    std::optional<QString> meaning;
    std::optional<QString> text1;
    std::optional<QString> text2;
    std::optional<QString> text3;
    std::optional<QString> text4;
    std::optional<QString> text5;
    std::optional<QString> text6; // pronunciation

    bool operator==(const WordRecord&) const = default;

    // The names of the twelve fields, in this order: the tables' columns and the CSV header.
    static inline const QStringList fieldNames = {
        QStringLiteral("group"), QStringLiteral("key"),   QStringLiteral("level"),
        QStringLiteral("times"), QStringLiteral("word"),  QStringLiteral("meaning"),
        QStringLiteral("text1"), QStringLiteral("text2"), QStringLiteral("text3"),
        QStringLiteral("text4"), QStringLiteral("text5"), QStringLiteral("text6"),
    };
};
