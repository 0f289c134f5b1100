// SPDX-License-Identifier: GPL-3.0-or-later
// The word store on the large word file: opening with the summary,
// building the practice set, durable grades, group reset and CSV import.
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "largewordfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {

using LargeWordFile::groupCount;

const QString& sourceFile() {
    static QTemporaryDir dir;
    static const QString path = [] { return LargeWordFile::create(dir.path()); }();
    return path;
}

void openAndSummarise(benchmark::State& state) {
    for (auto _ : state) {
        const WordStore store = WordStore::open(sourceFile());
        benchmark::DoNotOptimize(store.groupSummaries());
    }
}
BENCHMARK(openAndSummarise)->Unit(benchmark::kMillisecond);

void buildPracticeSetOfAllGroups(benchmark::State& state) {
    WordStore store = WordStore::open(sourceFile());
    const auto groups = LargeWordFile::groups();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.buildPracticeSet(groups));
}
BENCHMARK(buildPracticeSetOfAllGroups)->Unit(benchmark::kMillisecond);

// Each iteration writes 1,000 grades one by one, each durable on its own; the counters
// give the median and the 99th percentile of a single grade.
void durableGrades(benchmark::State& state) {
    WordStore store = WordStore::open(sourceFile());
    std::vector<double> millis;
    for (auto _ : state) {
        millis.clear();
        for (int i = 0; i < 1000; ++i) {
            QElapsedTimer timer;
            timer.start();
            store.writeGrade(1 + i % groupCount, 1 + i / groupCount, i % 5, 1 + i % 999);
            millis.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["p99_ms"] = millis[millis.size() * 99 / 100];
}
BENCHMARK(durableGrades)->Unit(benchmark::kMillisecond)->Iterations(1);

void resetHundredGroups(benchmark::State& state) {
    WordStore store = WordStore::open(sourceFile());
    std::vector<int> groups(100);
    std::iota(groups.begin(), groups.end(), 400);
    for (auto _ : state)
        store.resetGroups(groups);
}
BENCHMARK(resetHundredGroups)->Unit(benchmark::kMillisecond);

void importCsv(benchmark::State& state) {
    QByteArray csv;
    {
        QTemporaryDir dir;
        const WordStore store = WordStore::open(sourceFile());
        QFile file(dir.filePath(QStringLiteral("words.csv")));
        file.open(QIODevice::WriteOnly);
        WordCsv::write(store, WordStore::Table::Word, file);
        file.close();
        file.open(QIODevice::ReadOnly);
        csv = file.readAll();
    }
    int round = 0;
    QTemporaryDir dir;
    for (auto _ : state) {
        WordStore store =
            WordStore::create(dir.filePath(QStringLiteral("import%1.vku").arg(round++)));
        store.insertRows(WordStore::Table::Word, WordCsv::parse(csv, QStringLiteral("words.csv")));
    }
}
BENCHMARK(importCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
