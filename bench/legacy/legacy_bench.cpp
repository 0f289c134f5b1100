// SPDX-License-Identifier: GPL-3.0-or-later
// Converting the largest legacy fixture (50,000 words in 999 groups, Access 2000) into a
// new word data file, as the program does when a learner opens such a file.
#include "data/legacy/legacyimport.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void convertLargeFile(benchmark::State& state) {
    const QString legacy = QStringLiteral(VOKU_FIXTURES_DIR "/jet/large-2000.vku");
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("large.vku"));
    for (auto _ : state) {
        const ConversionCounts counts = LegacyImport::convert(legacy, out);
        benchmark::DoNotOptimize(counts);
        state.PauseTiming();
        QFile::remove(out);
        state.ResumeTiming();
    }
    state.counters["rows"] = 50101;
}

BENCHMARK(convertLargeFile)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace

BENCHMARK_MAIN();
