// SPDX-License-Identifier: GPL-3.0-or-later
// The word store at 5,000, 50,000 and (with VOKU_BENCH_LARGE set) 500,000 words: opening
// with the summary, building the practice set, durable grades, group reset and CSV import,
// each beside what plain SQLite needs for the same work (floor_ms, ratio).
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "largewordfile.h"
#include "sqlitefloor.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <numeric>

namespace {

using LargeWordFile::groupCount;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

const QString& sourceFile(int count) {
    static std::map<int, QString> paths;
    auto& path = paths[count];
    if (path.isEmpty())
        path = LargeWordFile::create(folder().path(), count);
    return path;
}

double millisOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Times each round of work with manual timing and measures the floor after it in the same
// round, so both see the same load; the counters give both medians and their ratio.
void compareWithFloor(benchmark::State& state, const std::function<void()>& work,
                      const std::function<double()>& floor) {
    std::vector<double> ours;
    std::vector<double> floors;
    for (auto _ : state) {
        ours.push_back(millisOf(work));
        state.SetIterationTime(ours.back() / 1e3);
        floors.push_back(floor());
    }
    const double median = SqliteFloor::percentile(ours, 0.5);
    const double floorMedian = SqliteFloor::percentile(floors, 0.5);
    state.counters["ms"] = median;
    state.counters["floor_ms"] = floorMedian;
    state.counters["ratio"] = median / floorMedian;
}

void openAndSummarise(benchmark::State& state) {
    const QString& path = sourceFile(static_cast<int>(state.range(0)));
    compareWithFloor(
        state,
        [&] {
            const WordStore store = WordStore::open(path);
            benchmark::DoNotOptimize(store.groupSummaries());
        },
        [&] { return SqliteFloor::scanMs(path); });
}

// The summary counted anew, as after a reset: a grade before each round, outside the
// timing, makes the counts kept since the last round stale.
void summary(benchmark::State& state) {
    const QString& path = sourceFile(static_cast<int>(state.range(0)));
    WordStore store = WordStore::open(path);
    int round = 0;
    compareWithFloor(
        state, [&] { benchmark::DoNotOptimize(store.groupSummaries()); },
        [&] {
            store.writeGrade(1, 1, 0, 1 + round++ % LevelClass::MaxTimes);
            return SqliteFloor::scanMs(path);
        });
}

void buildPracticeSetOfAllGroups(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    WordStore store = WordStore::open(sourceFile(count));
    const auto groups = LargeWordFile::groups();
    const auto rows = LargeWordFile::words(count);
    compareWithFloor(
        state, [&] { benchmark::DoNotOptimize(store.buildPracticeSet(groups)); },
        [&] { return SqliteFloor::bulkInsertMs(folder().path(), rows); });
}

// 1,000 grades one by one, each durable on its own, beside as many plain single-row
// UPDATE commits; the counters give the median and the 99th percentile of one of each.
void durableGrades(benchmark::State& state) {
    const QString& path = sourceFile(static_cast<int>(state.range(0)));
    std::vector<double> millis;
    std::vector<double> floor;
    for (auto _ : state) {
        WordStore store = WordStore::open(path);
        for (int i = 0; i < 1000; ++i)
            millis.push_back(millisOf([&] {
                store.writeGrade(1 + i % groupCount, 1 + i / groupCount, i % 5, 1 + i % 999);
            }));
        floor = SqliteFloor::durableCommitMs(path, 1000);
    }
    state.counters["median_ms"] = SqliteFloor::percentile(millis, 0.5);
    state.counters["p99_ms"] = SqliteFloor::percentile(millis, 0.99);
    state.counters["floor_median_ms"] = SqliteFloor::percentile(floor, 0.5);
    state.counters["floor_p99_ms"] = SqliteFloor::percentile(floor, 0.99);
    state.counters["p99_ratio"] = state.counters["p99_ms"] / state.counters["floor_p99_ms"];
}

void resetHundredGroups(benchmark::State& state) {
    WordStore store = WordStore::open(sourceFile(static_cast<int>(state.range(0))));
    std::vector<int> groups(100);
    std::iota(groups.begin(), groups.end(), 400);
    for (auto _ : state)
        store.resetGroups(groups);
}

void importCsv(benchmark::State& state) {
    QByteArray csv;
    {
        QTemporaryDir dir;
        const WordStore store = WordStore::open(sourceFile(static_cast<int>(state.range(0))));
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

void registerAll() {
    for (const int size : LargeWordFile::sizes()) {
        const auto manual = [size](benchmark::internal::Benchmark* b) {
            b->Arg(size)->UseManualTime()->Unit(benchmark::kMillisecond);
        };
        manual(benchmark::RegisterBenchmark("openAndSummarise", openAndSummarise));
        manual(benchmark::RegisterBenchmark("summary", summary));
        manual(benchmark::RegisterBenchmark("buildPracticeSetOfAllGroups",
                                            buildPracticeSetOfAllGroups));
        benchmark::RegisterBenchmark("durableGrades", durableGrades)
            ->Arg(size)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("resetHundredGroups", resetHundredGroups)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("importCsv", importCsv)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
