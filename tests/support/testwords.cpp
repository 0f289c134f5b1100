// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwords.h"

namespace testwords {

WordRecord word(int group, int key, int level, int times) {
    WordRecord record;
    record.group = group;
    record.key = key;
    record.level = level;
    record.times = times;
    record.word = QStringLiteral("w%1-%2").arg(group).arg(key);
    record.meaning = QStringLiteral("意味%1-%2").arg(group).arg(key);
    return record;
}

} // namespace testwords
