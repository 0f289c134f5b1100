// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text values as a Jet database stores them. Jet 4 and ACE keep UTF-16LE, optionally
// "compressed" (a ff fe mark, then runs of one-byte Latin-1 characters and two-byte
// units, switched by a zero byte); Jet 3 keeps the bytes of the database's code page,
// which for Japanese word files is code page 932. The raw units are decoded here rather
// than by libmdb, whose conversion loses characters beyond U+FFFF.
namespace LegacyText {

// Nothing when the bytes cannot be a Jet 4 text (an odd number of UTF-16 bytes).
std::optional<QString> fromJet4(const QByteArray& bytes);
// Nothing when the bytes are not valid CP932.
std::optional<QString> fromJet3(const QByteArray& bytes);

} // namespace LegacyText
