// SPDX-License-Identifier: GPL-3.0-or-later
// How long the word list of a 50,000-word file takes from the request to a window on
// screen: reading the file into the model, building the window and showing it.
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
    values.DataFilePath = LargeWordFile::create(dir.path());
    values.WindowTitle = QStringLiteral("VOKU英単カード　large.vku");
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
    state.counters["words"] = LargeWordFile::wordCount;
}
BENCHMARK(BM_ShowWordList)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
