// SPDX-License-Identifier: GPL-3.0-or-later
#include "largewordfile.h"

#include "data/wordstore.h"

#include <numeric>

namespace LargeWordFile {

namespace {

constexpr int longGroups = 50;
constexpr int longGroupWords = longGroups * 51;

WordRecord wordAt(int i) {
    WordRecord row;
    const int j = i - longGroupWords;
    row.group = i < longGroupWords ? i / 51 + 1 : longGroups + 1 + j / 50;
    row.key = i < longGroupWords ? i % 51 + 1 : j % 50 + 1;
    row.level = i % 5;
    row.times = (i * 7) % 13;
    const QString stem = QStringLiteral("word%1 ").arg(i);
    row.word = i % 10 == 0 ? stem.repeated(12) : stem + QStringLiteral("example");
    if (i % 50 != 0)
        row.meaning = QStringLiteral("意味%1、説明の文。").arg(i).repeated(i % 3 + 1);
    row.text1 = QStringLiteral("使い方の説明がここに入ります。例文もあります。");
    if (i % 20 != 0)
        row.text6 = QStringLiteral("ˈwɜːd%1").arg(i % 100);
    return row;
}

} // namespace

std::vector<WordRecord> words() {
    std::vector<WordRecord> rows;
    rows.reserve(wordCount);
    for (int i = 0; i < wordCount; ++i)
        rows.push_back(wordAt(i));
    return rows;
}

std::vector<int> groups() {
    std::vector<int> all(groupCount);
    std::iota(all.begin(), all.end(), 1);
    return all;
}

QString create(const QString& folder) {
    const QString path = folder + QStringLiteral("/large.vku");
    WordStore::create(path).insertRows(WordStore::Table::Word, words());
    return path;
}

} // namespace LargeWordFile
