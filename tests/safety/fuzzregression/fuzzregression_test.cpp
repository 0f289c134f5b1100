// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzcases.h"

#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The seeds of a fuzz target and the inputs it once failed on.
QStringList inputsOf(const QString& target) {
    QStringList files;
    for (const QString& root :
         {QStringLiteral(VOKU_FUZZ_CORPUS), QStringLiteral(VOKU_FUZZ_INPUTS)}) {
        const QDir dir(root + QLatin1Char('/') + target);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

template <typename Case> void replay(const QString& target, Case run) {
    const QStringList files = inputsOf(target);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = testfiles::readAll(file);
        EXPECT_NO_THROW(run(bytes));
    }
}

class FuzzRegression : public testing::Test {
protected:
    QTemporaryDir folder_;
};

TEST_F(FuzzRegression, SettingsReadersTakeEveryKeptInput) {
    replay(QStringLiteral("settings"),
           [this](const QByteArray& bytes) { FuzzCases::settingsFiles(bytes, folder_.path()); });
}

TEST_F(FuzzRegression, CsvParserTakesEveryKeptInput) {
    replay(QStringLiteral("csv"), [](const QByteArray& bytes) { FuzzCases::csvWordList(bytes); });
}

TEST_F(FuzzRegression, WordFileOpenTakesEveryKeptInput) {
    replay(QStringLiteral("open"),
           [this](const QByteArray& bytes) { FuzzCases::wordDataFile(bytes, folder_.path()); });
}

TEST_F(FuzzRegression, LegacyConversionTakesEveryKeptInput) {
    replay(QStringLiteral("legacy"),
           [this](const QByteArray& bytes) { FuzzCases::legacyWordFile(bytes, folder_.path()); });
}

} // namespace
