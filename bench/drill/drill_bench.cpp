// SPDX-License-Identifier: GPL-3.0-or-later
// The drill screen on the large word file, all of its groups in the practice
// set: choosing a rank until its first page is drawn, and OK or NG until the grade is
// stored (and drawn). Run offscreen: QT_QPA_PLATFORM=offscreen bench_drill
#include "app/appvalues.h"
#include "data/wordstore.h"
#include "largewordfile.h"
#include "screens/drill/drilllogic.h"
#include "screens/drill/drillscreen.h"
#include "screens/drill/explainwindow.h"
#include "silentseams.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

struct Drill {
    Drill() {
        const QString path = LargeWordFile::create(dir.path());
        values.levelCounts = WordStore::open(path).buildPracticeSet(LargeWordFile::groups());
        values.DataFilePath = path;
        values.WindowTitle = QStringLiteral("VOKU英単カード　large.vku");
        values.DrillBackColor = values.NgBackColor = QStringLiteral("255");
    }

    DrillScreen* open() {
        auto* screen = DrillScreen::open(values, dialogs, sound);
        screen->show();
        QCoreApplication::processEvents();
        return screen;
    }

    QTemporaryDir dir;
    AppValues values;
    SilentDialogs dialogs;
    SilentSound sound;
};

Drill& drill() {
    static Drill instance;
    return instance;
}

QPushButton* button(QWidget* screen, const char* name, int index) {
    return screen->findChild<QPushButton*>(QLatin1String(name) + QLatin1Char('_') +
                                           QString::number(index));
}

void reportPercentiles(benchmark::State& state, std::vector<double> millis) {
    std::sort(millis.begin(), millis.end());
    state.counters["p50_ms"] = millis[millis.size() / 2];
    state.counters["p99_ms"] = millis[millis.size() * 99 / 100];
    state.counters["max_ms"] = millis.back();
}

// From the rank button's click until the first page is drawn.
void rankChoice(benchmark::State& state) {
    const int rank = static_cast<int>(state.range(0));
    std::vector<double> millis;
    for (auto _ : state) {
        DrillScreen* screen = drill().open();
        QElapsedTimer timer;
        timer.start();
        button(screen, "BT_level", rank)->click();
        QCoreApplication::processEvents();
        const double elapsed = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(elapsed);
        millis.push_back(elapsed * 1e3);
        delete screen;
    }
    reportPercentiles(state, millis);
}
BENCHMARK(rankChoice)
    ->DenseRange(0, 5)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

// Grades cards of the never-checked rank one by one, each click until the screen is drawn
// again. With NG the explanation window opens as it does by default; it is closed and the
// card passed outside the timing.
void grade(benchmark::State& state) {
    const bool ok = state.range(0) == 1;
    DrillScreen* screen = drill().open();
    button(screen, "BT_level", LevelClass::Never)->click();
    std::vector<double> millis;
    int slot = 0;
    for (auto _ : state) {
        if (slot == DrillValues::Slots) {
            screen->findChild<QPushButton*>(QStringLiteral("BT_next"))->click();
            slot = 0;
        }
        QElapsedTimer timer;
        timer.start();
        button(screen, ok ? "BT_OK" : "BT_ng", slot)->click();
        QCoreApplication::processEvents();
        const double elapsed = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(elapsed);
        millis.push_back(elapsed * 1e3);
        if (!ok) {
            screen->logic().explainCloseClick();
            button(screen, "BT_OK", slot)->click();
        }
        ++slot;
    }
    reportPercentiles(state, millis);
    delete screen;
}
BENCHMARK(grade)->ArgName("ok")->Arg(1)->Arg(0)->UseManualTime()->Iterations(1000)->Unit(
    benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    drill();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
