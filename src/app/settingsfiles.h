// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>

// The line-oriented settings files of the settings folder: VKI000.ini (start messages),
// VKI010.ini (current word data file), VKI020.ini (display settings) and VKI030.ini
// (previous group selection). Text is CP932 (UTF-8 with a byte-order mark when a
// character does not fit), lines end with CR LF, and every rewrite goes through
// QSaveFile, so a file is always either the old or the new one.
namespace SettingsFiles {

inline const QString startMessagesFile = QStringLiteral("VKI000.ini");
inline const QString dataFileFile = QStringLiteral("VKI010.ini");
inline const QString displayFile = QStringLiteral("VKI020.ini");
inline const QString groupSelectionFile = QStringLiteral("VKI030.ini");

// Settings files are small; anything bigger, or not a regular file (a FIFO, a device),
// is read as missing, so it can neither hang the start nor exhaust memory.
constexpr qint64 maxFileBytes = 1024 * 1024;
// Longer paths are no paths of a real file system; VKI010.ini holding one names nothing.
constexpr qsizetype maxPathLength = 4096;

// One free-format input field: leading blanks skipped; a field starting with a double
// quote runs to the last double quote of its line, so a path holding quotes reads back
// whole; otherwise to the first comma or line end, trimmed.
QString readFreeFormatField(const QString& text);
// The free-format field of a file; "" when the file cannot be read.
QString readFirstField(const QString& path);

// A path as messages show it: native separators, the middle of a long one left out.
QString pathForMessage(const QString& path);
// What the learner is told when a settings file cannot be written; the program goes on.
QString unwritableMessage(const QString& path);

// A number as the settings files print it: sign position (blank or "-"), digits, one blank.
QString printedNumber(int value);

struct DisplaySettings {
    std::array<QString, 5> colours; // main, drill, NG, explanation, explanation text
    qint16 noSound = 0;
    qint16 noExplainOnNg = 0;
    bool operator==(const DisplaySettings&) const = default;
};

// The values of the display dialog's "初期設定に戻す" button.
DisplaySettings defaultDisplaySettings();

// Each value that is missing or malformed (a colour or flag that is not a number) falls
// back to its default alone.
DisplaySettings readDisplaySettings(const QString& path);
bool writeDisplaySettings(const QString& path, const DisplaySettings& settings);

// The quoted path of VKI010.ini; an empty string when missing, empty or too long.
QString readDataFileSetting(const QString& path);
bool writeDataFileSetting(const QString& path, const QString& dataFilePath);

// VKI030.ini: one group tag a line; lines too long to be a tag are left out. Nothing
// when the file cannot be read.
std::optional<QStringList> readGroupSelection(const QString& path);
bool writeGroupSelection(const QString& path, const QStringList& tags);

// VKI000.ini holds at most 16 messages; an index line may name up to position 20.
constexpr int maxStartMessages = 16;
constexpr int maxStartMessageIndex = 20;

struct StartMessages {
    int index = 0;        // the message to show this time
    QStringList messages; // at most 16, empty lines kept as read
};
// Nothing when the file cannot be read. Malformed content or an index outside 0 to 20
// gives index 0 and what messages could be read.
std::optional<StartMessages> readStartMessages(const QString& path);
// The index line, then the non-empty messages in order.
bool writeStartMessages(const QString& path, const StartMessages& content);

} // namespace SettingsFiles
