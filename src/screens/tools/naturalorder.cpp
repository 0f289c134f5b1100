// SPDX-License-Identifier: GPL-3.0-or-later
#include "naturalorder.h"

namespace {

// ASCII first: Unicode's tables cost a lookup for every character of a sort.
int digitOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u >= '0' && u <= '9' ? u - '0' : -1;
    return c.digitValue();
}

bool isDigit(QChar c) {
    return digitOf(c) >= 0;
}

qsizetype skipZeros(QStringView text, qsizetype at) {
    while (at < text.size() && digitOf(text[at]) == 0)
        ++at;
    return at;
}

qsizetype digitsEnd(QStringView text, qsizetype at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// Compares the numbers that start at i and j and moves both past them; leading zeros do
// not count, so the longer run without them is the larger number.
int compareNumbers(QStringView a, qsizetype& i, QStringView b, qsizetype& j) {
    const qsizetype ai = skipZeros(a, i), bj = skipZeros(b, j);
    const qsizetype aEnd = digitsEnd(a, ai), bEnd = digitsEnd(b, bj);
    i = aEnd;
    j = bEnd;
    if (aEnd - ai != bEnd - bj)
        return aEnd - ai < bEnd - bj ? -1 : 1;
    for (qsizetype k = 0; k < aEnd - ai; ++k) {
        const int da = digitOf(a[ai + k]), db = digitOf(b[bj + k]);
        if (da != db)
            return da < db ? -1 : 1;
    }
    return 0;
}

} // namespace

QChar NaturalOrder::fold(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u >= 'A' && u <= 'Z' ? QChar(u + ('a' - 'A')) : c;
    return c.toCaseFolded();
}

int NaturalOrder::compare(QStringView a, QStringView b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            if (const int order = compareNumbers(a, i, b, j))
                return order;
            continue;
        }
        const QChar ca = fold(a[i]), cb = fold(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}
