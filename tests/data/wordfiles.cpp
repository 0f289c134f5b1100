// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfiles.h"

#include "data/wordcsv.h"
#include "support/testfiles.h"

namespace wordfiles {

std::vector<WordRecord> smallFixtureWords() {
    const QString path = testfiles::fixture(QStringLiteral("jet/small-2000.word.csv"));
    return WordCsv::parse(testfiles::readAll(path), path);
}

} // namespace wordfiles
