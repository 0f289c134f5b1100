// SPDX-License-Identifier: GPL-3.0-or-later
#include "storemodel.h"

#include "crashplan.h"
#include "data/wordstore.h"

#include <QFile>
#include <set>
#include <sqlite3.h>
#include <stdexcept>

namespace {

QString integrityOf(const QString& path) {
    sqlite3* db = nullptr;
    QString result = QStringLiteral("cannot open");
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr);
        result.clear();
        while (sqlite3_step(statement) == SQLITE_ROW)
            result +=
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

} // namespace

StoreModel::StoreModel(std::array<std::array<QByteArray, 3>, 2> settingsBytes)
    : settingsBytes_(std::move(settingsBytes)) {
    for (int group = 1; group <= CrashPlan::groupCount; ++group) {
        for (int key = 1; key <= CrashPlan::wordsPerGroup; ++key)
            state_.words[{group, key}] = {0, 0};
    }
}

std::optional<StoreModel::Operation> StoreModel::replay(const QByteArray& log) {
    std::optional<Operation> pending;
    const QList<QByteArray> lines = log.split('\n');
    // A line without its line break was cut by the kill: the worker had not finished it.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> words = lines[i].split(' ');
        if (words.first() == "done" && pending) {
            state_ = applied(state_, *pending);
            pending.reset();
        } else if (words.first() == "begin" && !pending && words.size() >= 3) {
            Operation operation{words[1].at(0), {}};
            for (qsizetype w = 2; w < words.size(); ++w)
                operation.arguments.push_back(words[w].toInt());
            pending = operation;
        } else {
            throw std::runtime_error("malformed log line: " + lines[i].toStdString());
        }
    }
    return pending;
}

StoreModel::State StoreModel::applied(const State& state, const Operation& operation) const {
    State after = state;
    const std::vector<int>& a = operation.arguments;
    switch (operation.kind) {
    case 'B': {
        after.selected.clear();
        const std::vector<int> groups = CrashPlan::practiceGroups(a.at(0));
        for (const auto& [key, value] : state.words) {
            if (std::find(groups.begin(), groups.end(), key.first) != groups.end())
                after.selected.emplace_back(key.first, key.second, value.first, value.second,
                                            CrashPlan::wordText(key.first, key.second));
        }
        break;
    }
    case 'G':
        after.words.at({a.at(0), a.at(1)}) = {a.at(2), a.at(3)};
        break;
    case 'R':
        for (int group : CrashPlan::resetGroups(a.at(0))) {
            for (int key = 1; key <= CrashPlan::wordsPerGroup; ++key)
                after.words.at({group, key}) = {0, 0};
        }
        break;
    case 'S':
        after.settings.fill(a.at(0));
        break;
    default:
        throw std::runtime_error("unknown operation");
    }
    return after;
}

std::optional<QString> StoreModel::settle(const QString& folder,
                                          const std::optional<Operation>& pending) {
    const State after = pending ? applied(state_, *pending) : state_;
    State found;
    if (auto problem = readStore(folder, found))
        return problem;
    const bool asBefore = found.words == state_.words && found.selected == state_.selected;
    const bool asAfter = found.words == after.words && found.selected == after.selected;
    if (!asBefore && !asAfter)
        return QStringLiteral("the word file holds neither the state before nor after the "
                              "interrupted operation %1")
            .arg(pending ? QChar::fromLatin1(pending->kind) : QChar('-'));
    if (auto problem = readSettings(folder, state_, after, found))
        return problem;
    state_ = found;
    return std::nullopt;
}

std::optional<QString> StoreModel::readStore(const QString& folder, State& found) const {
    const QString path = CrashPlan::wordFile(folder);
    try {
        const WordStore store = WordStore::open(path);
        store.forEachRow(WordStore::Table::Word, [&found](const WordRecord& row) {
            found.words[{row.group, row.key}] = {row.level, row.times};
        });
        store.forEachRow(WordStore::Table::Selected, [&found](const WordRecord& row) {
            found.selected.emplace_back(row.group, row.key, row.level, row.times, row.word);
        });
    } catch (const StoreError& error) {
        return QStringLiteral("the word file does not open: ") + error.message();
    }
    const QString integrity = integrityOf(path);
    if (integrity != QLatin1String("ok"))
        return QStringLiteral("integrity_check: ") + integrity;
    for (const auto& [key, value] : found.words) {
        if (value.second == 0 ? value.first != 0 : value.first != value.second % 5)
            return QStringLiteral("word %1-%2 has level %3 with times %4 (half a grade)")
                .arg(key.first)
                .arg(key.second)
                .arg(value.first)
                .arg(value.second);
    }
    return std::nullopt;
}

std::optional<QString> StoreModel::readSettings(const QString& folder, const State& before,
                                                const State& after, State& found) const {
    for (size_t i = 0; i < 3; ++i) {
        const QString name = CrashPlan::settingsFiles().at(static_cast<qsizetype>(i));
        QFile file(folder + QLatin1Char('/') + name);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const std::set<int> allowed{before.settings[i], after.settings[i]};
        auto variant = std::find_if(allowed.begin(), allowed.end(), [&](int v) {
            return settingsBytes_[static_cast<size_t>(v)][i] == bytes;
        });
        if (variant == allowed.end())
            return name + QStringLiteral(" is neither its old nor its new content (%1 bytes)")
                              .arg(bytes.size());
        found.settings[i] = *variant;
    }
    return std::nullopt;
}
