// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen at 5,000, 50,000 and (with VOKU_BENCH_LARGE set) 500,000 words: loading
// it with the summary shown, and OK with every group chosen until the drill is asked for
// (the practice set's build with its progress bar).
#include "screens/main/mainscreen.h"

#include "app/appvalues.h"
#include "largewordfile.h"
#include "silentseams.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

struct Setup {
    QTemporaryDir dir;
    AppValues values;
    SilentDialogs dialogs;
    NoOpener opener;

    explicit Setup(int count) {
        const QString path = LargeWordFile::create(dir.path(), count);
        values.settingsFolder = dir.path() + QLatin1Char('/');
        values.dataFileIniPath = values.settingsFolder + QStringLiteral("VKI010.ini");
        values.dataFilePath = path;
        values.windowTitle = QStringLiteral("VOKU英単カード　large.vku");
    }

    MainScreen* screen() {
        auto* s = new MainScreen(values, dialogs, opener);
        s->show();
        QCoreApplication::processEvents();
        return s;
    }
};

Setup& setupFor(benchmark::State& state) {
    static std::map<int, std::unique_ptr<Setup>> setups;
    auto& setup = setups[static_cast<int>(state.range(0))];
    if (!setup)
        setup = std::make_unique<Setup>(static_cast<int>(state.range(0)));
    return *setup;
}

void MainScreenLoad(benchmark::State& state) {
    Setup* setup = &setupFor(state);
    for (auto _ : state) {
        MainScreen* screen = setup->screen();
        state.PauseTiming();
        if (screen->findChild<QListWidget*>(QStringLiteral("Ls_Db"))->count() != 999)
            state.SkipWithError("summary incomplete");
        delete screen;
        state.ResumeTiming();
    }
}
void OkWithAllGroupsChosen(benchmark::State& state) {
    Setup* setup = &setupFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        MainScreen* screen = setup->screen();
        screen->findChild<QListWidget*>(QStringLiteral("Ls_Db"))->selectAll();
        screen->findChild<QPushButton*>(QStringLiteral("BT_select"))->click();
        bool drill = false;
        QObject::connect(screen, &MainScreen::drillRequested, [&] { drill = true; });
        state.ResumeTiming();
        screen->findChild<QPushButton*>(QStringLiteral("BT_OK"))->click();
        state.PauseTiming();
        if (!drill)
            state.SkipWithError("no drill requested");
        QGuiApplication::restoreOverrideCursor();
        delete screen;
        state.ResumeTiming();
    }
}
void registerAll() {
    for (const int size : LargeWordFile::sizes()) {
        benchmark::RegisterBenchmark("MainScreenLoad", MainScreenLoad)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("OkWithAllGroupsChosen", OkWithAllGroupsChosen)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
