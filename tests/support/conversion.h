// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/legacy/legacyconversion.h"

#include <QEventLoop>

namespace testfiles {

// Runs a conversion to its end in an event loop of its own, as the program's windows do
// in theirs.
inline LegacyConversion::Outcome convertAndWait(LegacyConversion& conversion,
                                                const QString& legacyPath) {
    QEventLoop loop;
    QObject::connect(&conversion, &LegacyConversion::finished, &loop, &QEventLoop::quit);
    conversion.start(legacyPath);
    if (conversion.isRunning())
        loop.exec();
    return conversion.outcome();
}

} // namespace testfiles
