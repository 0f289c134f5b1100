// SPDX-License-Identifier: GPL-3.0-or-later
// How long the word list of a file of 5,000, 50,000 or (with VOKU_BENCH_LARGE set) 500,000
// words takes from the request to a window on screen: reading the file into the model,
// building the window and showing it.
#include "app/appvalues.h"
#include "largewordfile.h"
#include "screens/tools/wordlistwindow.h"
#include "silentseams.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

void BM_ShowWordList(benchmark::State& state) {
    QTemporaryDir dir;
    AppValues values;
    values.dataFilePath = LargeWordFile::create(dir.path(), static_cast<int>(state.range(0)));
    values.windowTitle = QStringLiteral("VOKU英単カード　large.vku");
    SilentDialogs dialogs;
    for (auto _ : state) {
        auto* window = new WordListWindow(values, dialogs);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const int size : LargeWordFile::sizes())
        benchmark::RegisterBenchmark("BM_ShowWordList", BM_ShowWordList)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
