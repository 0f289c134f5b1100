// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfiles.h"

#include "data/wordcsv.h"
#include "support/testfiles.h"

namespace wordfiles {

WordRecord word(int group, int key, int level, int times, const QString& text) {
    WordRecord record;
    record.group = group;
    record.key = key;
    record.level = level;
    record.times = times;
    record.word = text.isEmpty() ? QStringLiteral("w%1-%2").arg(group).arg(key) : text;
    return record;
}

std::vector<WordRecord> smallFixtureWords() {
    const QString path = testfiles::fixture(QStringLiteral("jet/small-2000.word.csv"));
    return WordCsv::parse(testfiles::readAll(path), path);
}

} // namespace wordfiles
