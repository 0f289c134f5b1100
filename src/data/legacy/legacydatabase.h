// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <glib.h>
#include <mdbtools.h>

// A legacy (Jet 3, Jet 4 or ACE) word file opened read-only with libmdb, its catalog read.
// A file that is missing, unreadable, of another kind or damaged throws StoreError.
class LegacyDatabase {
public:
    explicit LegacyDatabase(const QString& path);
    ~LegacyDatabase();
    LegacyDatabase(const LegacyDatabase&) = delete;
    LegacyDatabase& operator=(const LegacyDatabase&) = delete;

    const QString& path() const { return path_; }
    MdbHandle* handle() const { return mdb_; }
    // Jet 3 files keep texts in the code page; later versions in UTF-16.
    bool isJet3() const;
    // The catalog entry of the user table of that name (any case); nullptr when there is none.
    MdbCatalogEntry* table(const char* name) const;

private:
    void checkHeader() const;

    QString path_;
    MdbHandle* mdb_ = nullptr;
};
