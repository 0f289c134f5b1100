// SPDX-License-Identifier: GPL-3.0-or-later
#include "largewordfile.h"

#include "data/wordstore.h"

#include <numeric>

namespace LargeWordFile {

namespace {

// The i-th word in group order: the first count % 999 groups hold one word more.
WordRecord wordAt(int i, int count) {
    const int base = count / groupCount;
    const int longGroups = count % groupCount;
    const int longWords = longGroups * (base + 1);
    const int j = i - longWords;
    WordRecord row;
    row.group = i < longWords ? i / (base + 1) + 1 : longGroups + 1 + j / base;
    row.key = i < longWords ? i % (base + 1) + 1 : j % base + 1;
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

std::vector<int> sizes() {
    if (qEnvironmentVariableIsSet("VOKU_BENCH_LARGE"))
        return {5000, 50000, 500000};
    return {5000, 50000};
}

std::vector<WordRecord> words(int count) {
    std::vector<WordRecord> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.push_back(wordAt(i, count));
    return rows;
}

std::vector<int> groups() {
    std::vector<int> all(groupCount);
    std::iota(all.begin(), all.end(), 1);
    return all;
}

// Written in slices, so that making a large file does not leave the benchmark with the
// memory of all its words.
QString create(const QString& folder, int count) {
    const QString path = folder + QStringLiteral("/large%1.vku").arg(count);
    WordStore store = WordStore::create(path);
    constexpr int slice = 10000;
    for (int first = 0; first < count; first += slice) {
        std::vector<WordRecord> rows;
        for (int i = first; i < std::min(count, first + slice); ++i)
            rows.push_back(wordAt(i, count));
        store.insertRows(WordStore::Table::Word, rows);
    }
    return path;
}

} // namespace LargeWordFile
