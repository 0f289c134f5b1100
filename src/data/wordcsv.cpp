// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordcsv.h"

#include "csvencoding.h"
#include "grouptag.h"
#include "levelclass.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace WordCsv {

namespace {

const QStringList& columnNames = WordRecord::fieldNames;

struct Field {
    QString text;
    bool quoted = false;
};

struct Record {
    int line = 0; // where the record starts
    std::vector<Field> fields;
};

[[noreturn]] void fail(const QString& source, int line, const QString& what) {
    throw StoreError(StoreError::Kind::Invalid, source,
                     QStringLiteral("%1 行目: %2").arg(line).arg(what));
}

// Splits text into records of fields; quoted fields may hold commas, quotes and line breaks.
class Tokenizer {
public:
    Tokenizer(const QString& text, const QString& source)
        : text_(text)
        , source_(source) {}

    std::optional<Record> next() {
        if (pos_ >= text_.size())
            return std::nullopt;
        Record record{line_, {}};
        for (;;) {
            record.fields.push_back(field(record.line));
            if (pos_ >= text_.size())
                return record;
            const QChar c = text_[pos_++];
            if (c == QLatin1Char(','))
                continue;
            if (c == QLatin1Char('\r') && pos_ < text_.size() && text_[pos_] == QLatin1Char('\n'))
                ++pos_;
            ++line_;
            return record;
        }
    }

private:
    Field field(int recordLine) {
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"'))
            return quoted(recordLine);
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !isEnd(text_[pos_])) {
            if (text_[pos_] == QLatin1Char('"'))
                fail(source_, line_, QStringLiteral("引用符で囲まれていない値に \" があります"));
            ++pos_;
        }
        return Field{text_.mid(start, pos_ - start), false};
    }

    Field quoted(int recordLine) {
        QString value;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size())
                fail(source_, recordLine, QStringLiteral("引用符が閉じられていません"));
            const QChar c = text_[pos_++];
            if (c == QLatin1Char('"')) {
                if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
                    value += c;
                    ++pos_;
                    continue;
                }
                if (pos_ < text_.size() && !isEnd(text_[pos_]))
                    fail(source_, line_, QStringLiteral("閉じ引用符のあとに余分な文字があります"));
                return Field{value, true};
            }
            if (c == QLatin1Char('\n'))
                ++line_;
            value += c;
        }
    }

    static bool isEnd(QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    }

    const QString& text_;
    const QString& source_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

bool isBlank(const Record& record) {
    return record.fields.size() == 1 && !record.fields[0].quoted && record.fields[0].text.isEmpty();
}

std::vector<int> columnOrder(const Record& header, const QString& source) {
    std::vector<int> order;
    for (const Field& field : header.fields) {
        const int index = static_cast<int>(columnNames.indexOf(field.text.trimmed()));
        if (index < 0)
            fail(source, header.line,
                 QStringLiteral("知らない列名「%1」があります").arg(field.text));
        if (std::find(order.begin(), order.end(), index) != order.end())
            fail(source, header.line, QStringLiteral("列「%1」が二つあります").arg(field.text));
        order.push_back(index);
    }
    for (int required : {0, 1, 4}) {
        if (std::find(order.begin(), order.end(), required) == order.end())
            fail(source, header.line,
                 QStringLiteral("列「%1」がありません").arg(columnNames[required]));
    }
    return order;
}

int number(const Field& field, int low, int high, const QString& name, int line,
           const QString& source, std::optional<int> whenEmpty = std::nullopt) {
    if (field.text.isEmpty() && whenEmpty)
        return *whenEmpty;
    bool ok = false;
    const int value = field.text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        fail(source, line,
             QStringLiteral("%1 は %2 から %3 の整数にしてください（「%4」）")
                 .arg(name)
                 .arg(low)
                 .arg(high)
                 .arg(field.text));
    return value;
}

std::optional<QString> text(const Field& field) {
    if (!field.quoted && field.text.isEmpty())
        return std::nullopt;
    return field.text;
}

WordRecord toWord(const Record& record, const std::vector<int>& order, const QString& source) {
    if (record.fields.size() != order.size())
        fail(source, record.line,
             QStringLiteral("値の数が %1 個です（%2 個のはずです）")
                 .arg(record.fields.size())
                 .arg(order.size()));
    std::array<const Field*, 12> byColumn{};
    for (size_t i = 0; i < order.size(); ++i)
        byColumn[static_cast<size_t>(order[i])] = &record.fields[i];
    const Field empty;
    const auto at = [&](int column) -> const Field& {
        return byColumn[column] ? *byColumn[column] : empty;
    };
    const int line = record.line;
    WordRecord word;
    word.group = number(at(0), GroupTag::MinGroup, GroupTag::MaxGroup, QStringLiteral("group"),
                        line, source);
    word.key = number(at(1), INT_MIN, INT_MAX, QStringLiteral("key"), line, source);
    word.level = number(at(2), 0, 4, QStringLiteral("level"), line, source, 0);
    word.times = number(at(3), 0, LevelClass::MaxTimes, QStringLiteral("times"), line, source, 0);
    const auto wordText = text(at(4));
    if (!wordText)
        fail(source, line, QStringLiteral("word が空です"));
    word.word = *wordText;
    word.meaning = text(at(5));
    word.text1 = text(at(6));
    word.text2 = text(at(7));
    word.text3 = text(at(8));
    word.text4 = text(at(9));
    word.text5 = text(at(10));
    word.text6 = text(at(11));
    return word;
}

QByteArray quote(const std::optional<QString>& value) {
    if (!value)
        return {};
    QByteArray bytes = value->toUtf8();
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

} // namespace

std::vector<WordRecord> parse(const QByteArray& bytes, const QString& source) {
    return parseText(CsvEncoding::decode(bytes, source).text, source);
}

std::vector<WordRecord> parseText(const QString& content, const QString& source) {
    Tokenizer tokenizer(content, source);
    const auto header = tokenizer.next();
    if (!header)
        fail(source, 1, QStringLiteral("見出しの行がありません"));
    const std::vector<int> order = columnOrder(*header, source);
    std::vector<WordRecord> words;
    QHash<qint64, int> lineOfKey;
    while (const auto record = tokenizer.next()) {
        if (isBlank(*record))
            continue;
        words.push_back(toWord(*record, order, source));
        const qint64 id = (qint64(words.back().group) << 32) | quint32(words.back().key);
        if (lineOfKey.contains(id))
            fail(source, record->line,
                 QStringLiteral("group %1、key %2 は %3 行目と重なっています")
                     .arg(words.back().group)
                     .arg(words.back().key)
                     .arg(lineOfKey.value(id)));
        lineOfKey.insert(id, record->line);
    }
    return words;
}

void write(const WordStore& store, WordStore::Table table, QIODevice& out) {
    out.write(columnNames.join(QLatin1Char(',')).toUtf8() + '\n');
    store.forEachRow(table, [&out](const WordRecord& w) {
        QByteArray line = QByteArray::number(w.group) + ',' + QByteArray::number(w.key) + ',' +
                          QByteArray::number(w.level) + ',' + QByteArray::number(w.times) + ',' +
                          quote(w.word);
        for (const auto* field :
             {&w.meaning, &w.text1, &w.text2, &w.text3, &w.text4, &w.text5, &w.text6})
            line += ',' + quote(*field);
        out.write(line + '\n');
    });
}

} // namespace WordCsv
