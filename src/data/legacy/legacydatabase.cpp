// SPDX-License-Identifier: GPL-3.0-or-later
#include "legacydatabase.h"

#include "data/storeerror.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Where Jet and ACE files name their engine; libmdb itself accepts any file it can open,
// a 0-byte file included.
constexpr qsizetype engineNameOffset = 4;
const QByteArray jetName("Standard Jet DB");
const QByteArray aceName("Standard ACE DB");

} // namespace

LegacyDatabase::LegacyDatabase(const QString& path)
    : path_(path) {
    checkHeader();
    mdb_ = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb_)
        throw StoreError(StoreError::Kind::Damaged, path_);
    if (!mdb_read_catalog(mdb_, MDB_TABLE)) {
        mdb_close(mdb_);
        throw StoreError(StoreError::Kind::Damaged, path_);
    }
}

LegacyDatabase::~LegacyDatabase() {
    mdb_close(mdb_);
}

void LegacyDatabase::checkHeader() const {
    QFile file(path_);
    if (!QFileInfo::exists(path_))
        throw StoreError(StoreError::Kind::Missing, path_);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(StoreError::Kind::NotReadable, path_);
    const QByteArray name = file.read(engineNameOffset + jetName.size()).mid(engineNameOffset);
    if (name != jetName && name != aceName)
        throw StoreError(StoreError::Kind::NotWordFile, path_);
}

bool LegacyDatabase::isJet3() const {
    return mdb_->f->jet_version == MDB_VER_JET3;
}

MdbCatalogEntry* LegacyDatabase::table(const char* name) const {
    for (guint i = 0; i < mdb_->catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
        if (entry->object_type == MDB_TABLE && g_ascii_strcasecmp(entry->object_name, name) == 0)
            return entry;
    }
    return nullptr;
}
