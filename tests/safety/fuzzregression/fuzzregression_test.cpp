// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzcases.h"

#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each fuzz target's seeds and the inputs it once failed on end in a documented failure
// at worst.
TEST(FuzzRegression, EveryTargetTakesEveryKeptInput) {
    QTemporaryDir folder;
    const std::pair<const char*, void (*)(const QByteArray&, const QString&)> targets[] = {
        {"settings", FuzzCases::settingsFiles},
        {"csv", [](const QByteArray& bytes, const QString&) { FuzzCases::csvWordList(bytes); }},
        {"open", FuzzCases::wordDataFile},
        {"legacy", FuzzCases::legacyWordFile},
    };
    for (const auto& [target, run] : targets) {
        int inputs = 0;
        for (const char* root : {VOKU_FUZZ_CORPUS, VOKU_FUZZ_INPUTS}) {
            const QDir dir(QString::fromUtf8(root) + u'/' + QLatin1String(target));
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                EXPECT_NO_THROW(run(testfiles::readAll(dir.filePath(name)), folder.path()))
                    << dir.filePath(name).toStdString();
                ++inputs;
            }
        }
        EXPECT_GT(inputs, 0) << target;
    }
}

} // namespace
