// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelclass.h"

namespace LevelClass {

namespace {
const std::array<QString, Count>& marks() {
    static const std::array<QString, Count> all = {
        QStringLiteral("○"),    QStringLiteral("△○"),   QStringLiteral("△△○"),
        QStringLiteral("△△△○"), QStringLiteral("△△△△"), QStringLiteral("チェックしてない"),
    };
    return all;
}
} // namespace

int of(int level, int times) {
    if (times == 0)
        return Never;
    return level >= 0 && level <= 4 ? level : -1;
}

QString mark(int index) {
    return index >= 0 && index < Count ? marks()[index] : QString();
}

} // namespace LevelClass
