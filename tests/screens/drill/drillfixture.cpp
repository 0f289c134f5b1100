// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillfixture.h"

#include "support/testwords.h"

#include <QFile>
#include <set>
#include <sqlite3.h>
#include <stdexcept>

namespace drillfixture {

QStringList RecordingDialogs::texts() const {
    QStringList list;
    for (const Message& message : messages)
        list << message.text;
    return list;
}

WordRecord word(int group, int key, int level, int times, const QString& text6) {
    WordRecord record = testwords::word(group, key, level, times);
    record.text1 = QStringLiteral("説明1");
    record.text5 = QStringLiteral("説明5");
    if (!text6.isEmpty())
        record.text6 = text6;
    return record;
}

std::vector<WordRecord> words(int group, int count, int level, int times) {
    std::vector<WordRecord> rows;
    for (int key = 1; key <= count; ++key)
        rows.push_back(word(group, key, level, times));
    return rows;
}

void makeWordFile(const QString& path, const std::vector<WordRecord>& rows, AppValues& values) {
    std::set<int> groups;
    for (const WordRecord& row : rows)
        groups.insert(row.group);
    WordStore store = WordStore::create(path);
    store.insertRows(WordStore::Table::Word, rows);
    values.levelCounts = store.buildPracticeSet({groups.begin(), groups.end()});
    values.dataFilePath = path;
    values.windowTitle = QStringLiteral("VOKU英単カード　words.vku");
    values.mainBackColor = QStringLiteral("12648447");
    values.drillBackColor = QStringLiteral("12648447");
    values.ngBackColor = QStringLiteral("255");
    values.explainBackColor = QStringLiteral("-2147483624");
    values.explainTextBackColor = QStringLiteral("12648447");
}

std::optional<WordRecord> storedWord(const QString& path, int group, int key) {
    std::optional<WordRecord> found;
    WordStore::open(path).forEachRow(WordStore::Table::Word, [&](const WordRecord& row) {
        if (row.group == group && row.key == key)
            found = row;
    });
    return found;
}

void execBehindTheBack(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const std::string text = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(text);
}

} // namespace drillfixture
