// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <bitset>
#include <vector>

// The word list's rows packed for a file of half a million words: every text is kept as
// the file's UTF-8 in one buffer and a row keeps only its group and where its word and
// meaning start, so loading copies bytes and allocates nothing per cell. A view decodes
// only the cells it draws. Search and sort read a case-folded UTF-16 copy, made when first
// needed, so a list that is only looked at never pays for it.
class WordListRows {
public:
    void clear();
    // Adds a row from the file's UTF-8 texts (a Null meaning is empty).
    void append(int group, QByteArrayView word, QByteArrayView meaning);

    int size() const { return static_cast<int>(groups_.size()); }
    int group(int row) const { return groups_[static_cast<std::size_t>(row)]; }
    QString word(int row) const;
    QString meaning(int row) const;
    // The groups that have words, ascending.
    std::vector<int> groups() const;

    // Each character case-folded alone (NaturalOrder::fold), so the text keeps its length.
    static QString folded(QStringView text);
    QStringView foldedWord(int row) const { return foldedCell(2 * row); }
    QStringView foldedMeaning(int row) const { return foldedCell(2 * row + 1); }
    // Whether the word or the meaning of the row holds the folded text.
    bool contains(int row, QStringView foldedText) const;

private:
    QString cell(int index) const;
    QStringView foldedCell(int index) const;
    void fold() const;

    QByteArray utf8_;
    // Where each word and meaning starts in utf8_, row after row, then the end of utf8_.
    std::vector<qsizetype> starts_ = {0};
    std::vector<int> groups_;
    std::bitset<1000> hasGroup_;
    // The folded copy and its starts; empty until a search or a sort asks.
    mutable QString folded_;
    mutable std::vector<qsizetype> foldedStarts_;
};
