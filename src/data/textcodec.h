// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Conversion between text and the Windows Japanese code page 932, in which the
// settings files and older CSV word lists are written.
namespace TextCodec {

// Nothing when the bytes are not valid CP932.
std::optional<QString> fromCp932(const QByteArray& bytes);
// Nothing when a character has no CP932 form.
std::optional<QByteArray> toCp932(const QString& text);
// Nothing when the bytes are not valid UTF-8.
std::optional<QString> fromUtf8(const QByteArray& bytes);
// Decodes from an iconv encoding name; nothing when a byte sequence does not decode, and
// then badOffset (when given) is where the first such sequence starts.
std::optional<QString> decode(const QByteArray& bytes, const char* encoding,
                              qsizetype* badOffset = nullptr);

// Text of a settings file: UTF-8 when it starts with a byte-order mark (which is dropped),
// otherwise CP932, where bytes that do not decode become U+FFFD rather than failing.
QString decodeSettings(const QByteArray& bytes);
// CP932 when every character fits, otherwise UTF-8 with a byte-order mark.
QByteArray encodeSettings(const QString& text);

} // namespace TextCodec
