// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfilecheck.h"

#include "sqlstatement.h"
#include "storeerror.h"
#include "wordrecord.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <sqlite3.h>

namespace WordFileCheck {

// Both tables share one definition; open() accepts only files whose tables are defined
// exactly so, which is what lets every reader trust the value ranges.
const char* const tableDefinition = R"((
    "group" INTEGER NOT NULL CHECK ("group" BETWEEN 1 AND 999),
    key INTEGER NOT NULL,
    level INTEGER NOT NULL CHECK (level BETWEEN 0 AND 4),
    times INTEGER NOT NULL CHECK (times BETWEEN 0 AND 999),
    word TEXT NOT NULL,
    meaning TEXT, text1 TEXT, text2 TEXT, text3 TEXT, text4 TEXT, text5 TEXT, text6 TEXT,
    PRIMARY KEY ("group", key)
) STRICT)";

namespace {

qint64 pragmaValue(sqlite3* db, const char* pragma, const QString& path) {
    SqlStatement statement(db, pragma, path);
    return statement.step() ? statement.integer(0) : 0;
}

void checkTable(sqlite3* db, const char* table, const QString& path) {
    SqlStatement info(db, "SELECT name FROM pragma_table_info(?1)", path);
    info.bind(1, QString::fromLatin1(table));
    QStringList columns;
    while (info.step())
        columns << info.text(0);
    for (const QString& column : WordRecord::fieldNames) {
        if (!columns.contains(column)) {
            const QString what = columns.isEmpty() ? QString::fromLatin1(table)
                                                   : QString::fromLatin1(table) + "." + column;
            throw StoreError(StoreError::Kind::MissingTable, path, what);
        }
    }
}

// The definition with white space made uniform, from its opening parenthesis on: renaming
// a table rewrites the name before it, and tools may lay the text out anew.
QString normalizedDefinition(const QString& sql) {
    QString text = sql.mid(sql.indexOf(QLatin1Char('('))).simplified();
    static const QRegularExpression spaceAroundPunctuation(QStringLiteral(R"(\s*([(),])\s*)"));
    text.replace(spaceAroundPunctuation, QStringLiteral("\\1"));
    return text;
}

// A table defined in any other way (not STRICT, other types or ranges) could hold values
// that the program does not expect, so such a file is refused as a whole.
void checkDefinition(sqlite3* db, const char* table, const QString& path) {
    SqlStatement query(db, "SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?1",
                       path);
    query.bind(1, QString::fromLatin1(table));
    static const QString expected = normalizedDefinition(QString::fromUtf8(tableDefinition));
    if (!query.step() || normalizedDefinition(query.text(0)) != expected)
        throw StoreError(StoreError::Kind::Damaged, path, QString::fromLatin1(table));
}

// The checks of the definition hold for rows written since; a word put in while another
// program had them switched off must be found before any screen relies on the ranges.
// Group, level and times are tested while the words are counted at open (ProgressTally),
// which reads the progress index once for both. The practice set needs no such test: it
// is always rebuilt from word before a drill.
// The key has no check in the definition; it must fit the 32 bits the program keeps it
// in, or a grade could land on another word. The smallest and largest key of each group
// 1 to 999 are found in the primary key's index with two seeks, which costs the same for
// any number of words; a word of any other group is refused by the count.
const char* const keyCheck = R"(
WITH RECURSIVE g(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM g WHERE n < 999)
SELECT n FROM g
WHERE (SELECT min(key) FROM word INDEXED BY sqlite_autoindex_word_1 WHERE "group" = n)
          < -2147483648
   OR (SELECT max(key) FROM word INDEXED BY sqlite_autoindex_word_1 WHERE "group" = n)
          > 2147483647
LIMIT 1)";

void checkKeys(sqlite3* db, const QString& path) {
    SqlStatement query(db, keyCheck, path);
    if (query.step())
        throw StoreError(
            StoreError::Kind::Invalid, path,
            QStringLiteral("グループ %1 に範囲外の値があります").arg(query.integer(0)));
}

} // namespace

void checkHeader(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreError(StoreError::Kind::Missing, path);
    if (!info.isFile())
        throw StoreError(StoreError::Kind::NotWordFile, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(StoreError::Kind::NotReadable, path);
    const QByteArray head = file.read(100);
    const QByteArray engine = head.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        throw StoreError(StoreError::Kind::Legacy, path);
    if (!head.startsWith(QByteArray("SQLite format 3\0", 16)))
        throw StoreError(StoreError::Kind::NotWordFile, path);
}

void checkSchema(sqlite3* db, const QString& path) {
    if (pragmaValue(db, "PRAGMA application_id", path) != applicationId ||
        pragmaValue(db, "PRAGMA user_version", path) > schemaVersion)
        throw StoreError(StoreError::Kind::NotWordFile, path);
    for (const char* table : {"word", "selected"}) {
        checkTable(db, table, path);
        checkDefinition(db, table, path);
    }
    checkKeys(db, path);
}

} // namespace WordFileCheck
