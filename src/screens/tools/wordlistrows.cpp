// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistrows.h"

#include "naturalorder.h"

#include <QStringDecoder>

void WordListRows::clear() {
    utf8_.clear();
    starts_ = {0};
    groups_.clear();
    hasGroup_.reset();
    folded_.clear();
    foldedStarts_.clear();
}

void WordListRows::append(int group, QByteArrayView word, QByteArrayView meaning) {
    groups_.push_back(group);
    if (group >= 0 && static_cast<std::size_t>(group) < hasGroup_.size())
        hasGroup_.set(static_cast<std::size_t>(group));
    utf8_.append(word);
    starts_.push_back(utf8_.size());
    utf8_.append(meaning);
    starts_.push_back(utf8_.size());
}

QString WordListRows::word(int row) const {
    return cell(2 * row);
}

QString WordListRows::meaning(int row) const {
    return cell(2 * row + 1);
}

std::vector<int> WordListRows::groups() const {
    std::vector<int> groups;
    for (std::size_t group = 0; group < hasGroup_.size(); ++group) {
        if (hasGroup_[group])
            groups.push_back(static_cast<int>(group));
    }
    return groups;
}

QString WordListRows::folded(QStringView text) {
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (const QChar c : text)
        *out++ = NaturalOrder::fold(c);
    return folded;
}

bool WordListRows::contains(int row, QStringView foldedText) const {
    return foldedWord(row).contains(foldedText) || foldedMeaning(row).contains(foldedText);
}

QString WordListRows::cell(int index) const {
    const auto at = static_cast<std::size_t>(index);
    return QString::fromUtf8(
        QByteArrayView(utf8_).sliced(starts_[at], starts_[at + 1] - starts_[at]));
}

QStringView WordListRows::foldedCell(int index) const {
    if (foldedStarts_.size() != starts_.size())
        fold();
    const auto at = static_cast<std::size_t>(index);
    return QStringView(folded_).sliced(foldedStarts_[at],
                                       foldedStarts_[at + 1] - foldedStarts_[at]);
}

// UTF-8 never needs more UTF-16 units than it has bytes, so one allocation holds it all.
void WordListRows::fold() const {
    folded_.resize(utf8_.size());
    foldedStarts_.assign(1, 0);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar* out = folded_.data();
    for (std::size_t at = 0; at + 1 < starts_.size(); ++at) {
        QChar* end = decoder.appendToBuffer(
            out, QByteArrayView(utf8_).sliced(starts_[at], starts_[at + 1] - starts_[at]));
        for (; out != end; ++out)
            *out = NaturalOrder::fold(*out);
        foldedStarts_.push_back(out - folded_.constData());
    }
    folded_.truncate(out - folded_.constData());
}
