// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storeerror.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The text encoding of a CSV word list: the one the learner names, or the one the bytes
// show without doubt. UTF-8 and CP932 are recognised; Latin-1 and CP1252 lists must be
// named, because their bytes often read as valid but wrong CP932.
namespace CsvEncoding {

struct Decoded {
    QString text;
    QString encoding; // the canonical name of the encoding used
};

// Recognition found the bytes readable in more than one encoding and could not choose: the
// refusal decode() throws then, with each reading of the doubtful line, so that a learner
// can be asked which is right.
class Doubt : public StoreError {
public:
    struct Reading {
        QString encoding; // a canonical name
        QString line;     // the start of the doubtful line read so
    };

    Doubt(const QString& source, int line, const QString& detail, std::vector<Reading> readings)
        : StoreError(Kind::Invalid, source, detail)
        , line_(line)
        , readings_(std::move(readings)) {}

    int line() const { return line_; }
    const std::vector<Reading>& readings() const { return readings_; }

private:
    int line_;
    std::vector<Reading> readings_;
};

// "UTF-8", "CP932", "Latin-1" or "CP1252" for a name or a usual alias of it (case does
// not matter); empty for any other name.
QString canonicalName(const QString& name);

// Decodes a CSV word list; an empty encoding asks for recognition. Throws StoreError
// (Invalid) naming the line of the first byte that does not decode, or Doubt for the first
// text that makes the encoding doubtful. source names the file in that message.
Decoded decode(const QByteArray& bytes, const QString& source, const QString& encoding = {});

} // namespace CsvEncoding
