// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// Why a word data file could not be opened, read or written. message() is the
// Japanese text shown to the learner; it names the file.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        Missing,      // no such file
        NotReadable,  // no permission to read it
        NotWordFile,  // some other kind of file
        Legacy,       // an Access (Jet/ACE) word file that must be converted first
        Damaged,      // a word data file whose content is broken
        MissingTable, // a word data file without the table or column named in detail
        ReadOnly,     // opened for reading only; writes are refused
        Busy,         // another program holds the file
        Invalid,      // a value outside its range (detail names it)
        Unreadable,   // a file to read words from cannot be opened (detail says why)
        Failed,       // any other failure (detail holds the engine's text)
    };

    StoreError(Kind kind, const QString& path, const QString& detail = {});

    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    const QString& detail() const { return detail_; }
    QString message() const;

private:
    Kind kind_;
    QString path_;
    QString detail_;
};
