// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfiles.h"

#include "colournumber.h"
#include "data/textcodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace SettingsFiles {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
// A group tag is three characters; a longer line is no tag of ours.
constexpr qsizetype maxGroupLineLength = 256;
constexpr qsizetype messagePathHead = 60;
constexpr qsizetype messagePathTail = 100;

std::optional<QByteArray> readBytes(const QString& path) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxFileBytes ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    // The file may have grown since fstat().
    QByteArray bytes = file.read(maxFileBytes + 1);
    if (bytes.size() > maxFileBytes)
        return std::nullopt;
    return bytes;
}

std::optional<QString> readText(const QString& path) {
    const auto bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return TextCodec::decodeSettings(*bytes);
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
        const QString line = rest.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
        const qsizetype close = line.lastIndexOf(QLatin1Char('"'));
        return close > 0 ? line.mid(1, close - 1) : line.mid(1);
    }
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != QLatin1Char(',') && rest[end] != QLatin1Char('\r') &&
           rest[end] != QLatin1Char('\n'))
        ++end;
    return rest.left(end).trimmed();
}

QString readFirstField(const QString& path) {
    const auto text = readText(path);
    return text ? readFreeFormatField(*text) : QString();
}

QString pathForMessage(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= messagePathHead + messagePathTail + 1)
        return shown;
    return shown.left(messagePathHead) + QChar(0x2026) + shown.right(messagePathTail);
}

QString unwritableMessage(const QString& path) {
    return QStringLiteral("設定ファイルに書き込めませんでした。設定は保存されず、"
                          "このまま続けます。\n") +
           pathForMessage(path);
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

DisplaySettings readDisplaySettings(const QString& path) {
    const QStringList lines = readLines(path).value_or(QStringList());
    DisplaySettings settings = defaultDisplaySettings();
    for (qsizetype i = 0; i < qMin<qsizetype>(lines.size(), 5); ++i) {
        if (ColourNumber::isValid(lines.at(i)))
            settings.colours[static_cast<size_t>(i)] = lines.at(i);
    }
    settings.noSound = flagOf(lines.value(5)).value_or(settings.noSound);
    settings.noExplainOnNg = flagOf(lines.value(6)).value_or(settings.noExplainOnNg);
    return settings;
}

bool writeDisplaySettings(const QString& path, const DisplaySettings& settings) {
    QStringList lines(settings.colours.begin(), settings.colours.end());
    lines << printedNumber(settings.noSound) << printedNumber(settings.noExplainOnNg);
    return writeLines(path, lines);
}

QString readDataFileSetting(const QString& path) {
    const QString dataFilePath = readFirstField(path);
    return dataFilePath.size() <= maxPathLength ? dataFilePath : QString();
}

bool writeDataFileSetting(const QString& path, const QString& dataFilePath) {
    return writeLines(path, {QLatin1Char('"') + dataFilePath + QLatin1Char('"')});
}

std::optional<QStringList> readGroupSelection(const QString& path) {
    auto lines = readLines(path);
    if (lines)
        lines->removeIf([](const QString& line) { return line.size() > maxGroupLineLength; });
    return lines;
}

bool writeGroupSelection(const QString& path, const QStringList& tags) {
    return writeLines(path, tags);
}

std::optional<StartMessages> readStartMessages(const QString& path) {
    const auto lines = readLines(path);
    if (!lines)
        return std::nullopt;
    StartMessages content;
    if (lines->isEmpty())
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
