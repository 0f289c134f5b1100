// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfiles.h"

#include "colournumber.h"
#include "data/textcodec.h"

#include <QFile>
#include <QSaveFile>
#include <limits>

namespace SettingsFiles {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

std::optional<QString> readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return TextCodec::decodeSettings(file.readAll());
}

// The lines of a file as a line-reading loop sees them: CR LF (or a lone LF) ends a
// line, and the end after a final line break is no extra line.
QStringList linesOf(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

std::optional<QStringList> readLines(const QString& path) {
    const auto text = readText(path);
    if (!text)
        return std::nullopt;
    return linesOf(*text);
}

bool writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = TextCodec::encodeSettings(text);
    // Qt 6.4's commit() does not see a failed flush (a full disk) and would put an empty
    // file in the old one's place, so the flush is checked first; without a commit the
    // old file stays.
    return file.write(bytes) == bytes.size() && file.flush() && file.commit();
}

bool writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + lineEnd;
    return writeText(path, text);
}

std::optional<qint16> flagOf(const QString& line) {
    bool ok = false;
    const int value = line.trimmed().toInt(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

} // namespace

QString readFreeFormatField(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() &&
           (text[start] == QLatin1Char(' ') || text[start] == QLatin1Char('\t')))
        ++start;
    const QString rest = text.mid(start);
    if (rest.startsWith(QLatin1Char('"'))) {
        const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
        if (close >= 0)
            return rest.mid(1, close - 1);
        return rest.mid(1).section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    }
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != QLatin1Char(',') && rest[end] != QLatin1Char('\r') &&
           rest[end] != QLatin1Char('\n'))
        ++end;
    return rest.left(end).trimmed();
}

QString printedNumber(int value) {
    const QString digits = QString::number(qAbs(static_cast<qint64>(value)));
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

DisplaySettings defaultDisplaySettings() {
    DisplaySettings settings;
    settings.colours = {QStringLiteral("12648447"), QStringLiteral("12648447"),
                        QStringLiteral("255"), QStringLiteral("-2147483624"),
                        QStringLiteral("12648447")};
    return settings;
}

std::optional<DisplaySettings> readDisplaySettings(const QString& path) {
    const auto lines = readLines(path);
    if (!lines || lines->size() < 7)
        return std::nullopt;
    DisplaySettings settings;
    for (int i = 0; i < 5; ++i) {
        if (!ColourNumber::isValid(lines->at(i)))
            return std::nullopt;
        settings.colours[static_cast<size_t>(i)] = lines->at(i);
    }
    const auto noSound = flagOf(lines->at(5));
    const auto noExplainOnNg = flagOf(lines->at(6));
    if (!noSound || !noExplainOnNg)
        return std::nullopt;
    settings.noSound = *noSound;
    settings.noExplainOnNg = *noExplainOnNg;
    return settings;
}

bool writeDisplaySettings(const QString& path, const DisplaySettings& settings) {
    QStringList lines(settings.colours.begin(), settings.colours.end());
    lines << printedNumber(settings.noSound) << printedNumber(settings.noExplainOnNg);
    return writeLines(path, lines);
}

QString readDataFileSetting(const QString& path) {
    const auto text = readText(path);
    return text ? readFreeFormatField(*text) : QString();
}

bool writeDataFileSetting(const QString& path, const QString& dataFilePath) {
    return writeLines(path, {QLatin1Char('"') + dataFilePath + QLatin1Char('"')});
}

std::optional<QStringList> readGroupSelection(const QString& path) {
    return readLines(path);
}

bool writeGroupSelection(const QString& path, const QStringList& tags) {
    return writeLines(path, tags);
}

StartMessages readStartMessages(const QString& path) {
    StartMessages content;
    const auto lines = readLines(path);
    if (!lines || lines->isEmpty())
        return content;
    bool ok = false;
    const int index = lines->first().trimmed().toInt(&ok);
    content.index = ok && index >= 0 && index <= maxStartMessageIndex ? index : 0;
    content.messages = lines->mid(1, maxStartMessages);
    return content;
}

bool writeStartMessages(const QString& path, const StartMessages& content) {
    QStringList lines{printedNumber(content.index)};
    for (const QString& message : content.messages) {
        if (!message.isEmpty())
            lines << message;
    }
    return writeLines(path, lines);
}

} // namespace SettingsFiles
