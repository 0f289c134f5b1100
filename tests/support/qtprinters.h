// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// GoogleTest prints a failing value through PrintTo when one is declared: Qt's texts then
// read as text instead of a dump of UTF-16 code units (lists of them too, element by element).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}
