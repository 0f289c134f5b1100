// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzcases.h"
#include "fuzzfolder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzCases::legacyWordFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                              FuzzFolder::path());
    return 0;
}
