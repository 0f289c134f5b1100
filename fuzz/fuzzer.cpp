// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry of every fuzz target; VOKU_FUZZ_CASE names the case it runs.
#include "fuzzcases.h"

#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A scratch folder for the life of the fuzzer, under TMPDIR (scripts/fuzz.sh points it
    // at memory when it can).
    static const QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("cannot make a scratch folder");
    FuzzCases::VOKU_FUZZ_CASE(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                              folder.path());
    return 0;
}
