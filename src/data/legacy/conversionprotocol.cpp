// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversionprotocol.h"

#include <QList>
#include <cstdio>

namespace ConversionProtocol {

namespace {

const QByteArray progressWord("progress");
const QByteArray resultWord("converted");

QByteArray line(const QByteArray& word, qint64 first, qint64 second) {
    return word + ' ' + QByteArray::number(first) + ' ' + QByteArray::number(second) + '\n';
}

// Two non-negative numbers after the word, or nothing.
std::optional<std::pair<qint64, qint64>> parse(const QByteArray& word, QByteArrayView line) {
    const QList<QByteArray> parts = line.toByteArray().trimmed().split(' ');
    if (parts.size() != 3 || parts[0] != word)
        return std::nullopt;
    bool firstOk = false;
    bool secondOk = false;
    const qint64 first = parts[1].toLongLong(&firstOk);
    const qint64 second = parts[2].toLongLong(&secondOk);
    if (!firstOk || !secondOk || first < 0 || second < 0)
        return std::nullopt;
    return std::make_pair(first, second);
}

void write(const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    std::fflush(stdout);
}

} // namespace

QByteArray progressLine(qint64 done, qint64 total) {
    return line(progressWord, done, total);
}

QByteArray resultLine(const ConversionCounts& counts) {
    return line(resultWord, counts.word, counts.selected);
}

void writeProgress(qint64 done, qint64 total) {
    write(progressLine(done, total));
}

void writeResult(const ConversionCounts& counts) {
    write(resultLine(counts));
}

std::optional<Progress> parseProgress(QByteArrayView line) {
    const auto numbers = parse(progressWord, line);
    if (!numbers)
        return std::nullopt;
    return Progress{numbers->first, numbers->second};
}

std::optional<ConversionCounts> parseResult(QByteArrayView line) {
    const auto numbers = parse(resultWord, line);
    if (!numbers)
        return std::nullopt;
    return ConversionCounts{numbers->first, numbers->second};
}

} // namespace ConversionProtocol
