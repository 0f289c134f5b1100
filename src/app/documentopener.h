// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens a document (the PDF manual) in the desktop's viewer.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // False when nothing could open it.
    virtual bool open(const QString& path) = 0;
};
