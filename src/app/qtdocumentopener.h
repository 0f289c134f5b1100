// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documentopener.h"

// Opens a document with the desktop's application for its type.
class QtDocumentOpener : public DocumentOpener {
public:
    bool open(const QString& path) override;
};
