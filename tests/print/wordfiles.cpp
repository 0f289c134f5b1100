// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfiles.h"

#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QDir>

namespace wordfiles {

std::vector<WordRecord> smallFixtureRows() {
    const QString csv = testfiles::fixture("jet/small-2000.word.csv");
    return WordCsv::parse(testfiles::readAll(csv), csv);
}

std::vector<WordRecord> rowsInGroup(int count, int group) {
    const auto source = smallFixtureRows();
    std::vector<WordRecord> rows;
    for (int i = 0; i < count; ++i) {
        WordRecord row = source[static_cast<std::size_t>(i) % source.size()];
        row.group = group;
        row.key = i + 1;
        rows.push_back(row);
    }
    return rows;
}

QString makeWordFile(const QString& dir, const std::vector<WordRecord>& rows, const QString& name) {
    const QString path = QDir(dir).filePath(name);
    WordStore::create(path).insertRows(WordStore::Table::Word, rows);
    return path;
}

} // namespace wordfiles
