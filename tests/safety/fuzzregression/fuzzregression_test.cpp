// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzcases.h"

#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Each fuzz target's seeds and the inputs it once failed on end in a documented failure
// at worst.
TEST(FuzzRegression, EveryTargetTakesEveryKeptInput) {
    QTemporaryDir folder;
    const std::pair<const char*, std::function<void(const QByteArray&)>> targets[] = {
        {"settings", [&](const QByteArray& b) { FuzzCases::settingsFiles(b, folder.path()); }},
        {"csv", FuzzCases::csvWordList},
        {"open", [&](const QByteArray& b) { FuzzCases::wordDataFile(b, folder.path()); }},
        {"legacy", [&](const QByteArray& b) { FuzzCases::legacyWordFile(b, folder.path()); }},
    };
    for (const auto& [target, run] : targets) {
        QStringList files;
        for (const char* root : {VOKU_FUZZ_CORPUS, VOKU_FUZZ_INPUTS}) {
            const QDir dir(QString::fromUtf8(root) + u'/' + QLatin1String(target));
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                files << dir.filePath(name);
        }
        EXPECT_FALSE(files.isEmpty()) << target;
        for (const QString& file : files) {
            SCOPED_TRACE(file.toStdString());
            EXPECT_NO_THROW(run(testfiles::readAll(file)));
        }
    }
}

} // namespace
