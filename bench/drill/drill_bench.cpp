// SPDX-License-Identifier: GPL-3.0-or-later
// The drill screen at 5,000, 50,000 and (with VOKU_BENCH_LARGE set) 500,000 words, all of
// their groups in the practice set: choosing a rank until its first page is drawn, 次へ
// until the next page is drawn, and OK or NG until the grade is stored and drawn, beside a
// plain durable single-row UPDATE commit. Run offscreen: QT_QPA_PLATFORM=offscreen bench_drill
#include "app/appvalues.h"
#include "data/wordstore.h"
#include "largewordfile.h"
#include "screens/drill/drilllogic.h"
#include "screens/drill/drillscreen.h"
#include "screens/drill/explainwindow.h"
#include "silentseams.h"
#include "sqlitefloor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

struct Drill {
    explicit Drill(int count) {
        const QString path = LargeWordFile::create(dir.path(), count);
        values.levelCounts = WordStore::open(path).buildPracticeSet(LargeWordFile::groups());
        values.dataFilePath = path;
        values.windowTitle = QStringLiteral("VOKU英単カード　large.vku");
        values.drillBackColor = values.ngBackColor = QStringLiteral("255");
    }

    DrillScreen* open() {
        auto* screen = DrillScreen::open(values, dialogs, sound, speaker);
        screen->show();
        QCoreApplication::processEvents();
        return screen;
    }

    QTemporaryDir dir;
    AppValues values;
    SilentDialogs dialogs;
    SilentSound sound;
    SilentSpeaker speaker;
};

Drill& drill(benchmark::State& state) {
    static std::map<int, std::unique_ptr<Drill>> drills;
    auto& instance = drills[static_cast<int>(state.range(0))];
    if (!instance)
        instance = std::make_unique<Drill>(static_cast<int>(state.range(0)));
    return *instance;
}

QPushButton* button(QWidget* screen, const char* name, int index) {
    return screen->findChild<QPushButton*>(QLatin1String(name) + QLatin1Char('_') +
                                           QString::number(index));
}

// Clicks and lets the screen draw; the time goes to the benchmark and into millis.
void timedClick(benchmark::State& state, QPushButton* target, std::vector<double>& millis) {
    QElapsedTimer timer;
    timer.start();
    target->click();
    QCoreApplication::processEvents();
    const double elapsed = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(elapsed);
    millis.push_back(elapsed * 1e3);
}

void reportPercentiles(benchmark::State& state, const std::vector<double>& millis) {
    state.counters["p50_ms"] = SqliteFloor::percentile(millis, 0.5);
    state.counters["p99_ms"] = SqliteFloor::percentile(millis, 0.99);
    state.counters["max_ms"] = SqliteFloor::percentile(millis, 1);
}

// From the rank button's click until the first page is drawn.
void rankChoice(benchmark::State& state) {
    Drill& d = drill(state);
    const int rank = static_cast<int>(state.range(1));
    std::vector<double> millis;
    for (auto _ : state) {
        DrillScreen* screen = d.open();
        timedClick(state, button(screen, "BT_level", rank), millis);
        delete screen;
    }
    reportPercentiles(state, millis);
}

// Grades a page outside the timing, then times 次へ until the next page is drawn.
void nextPage(benchmark::State& state) {
    Drill& d = drill(state);
    DrillScreen* screen = d.open();
    button(screen, "BT_level", static_cast<int>(state.range(1)))->click();
    std::vector<double> millis;
    for (auto _ : state) {
        for (int slot = 0; slot < DrillValues::Slots; ++slot)
            button(screen, "BT_OK", slot)->click();
        timedClick(state, screen->findChild<QPushButton*>(QStringLiteral("BT_next")), millis);
    }
    reportPercentiles(state, millis);
    delete screen;
}

// Grades cards of the never-checked rank one by one, each click until the screen is drawn
// again. With NG the explanation window opens as it does by default; it is closed and the
// card passed outside the timing. The floor, a plain durable UPDATE on a copy of the file
// beside it, is taken between the grades, so that both meet the disk in the same moments.
void grade(benchmark::State& state) {
    Drill& d = drill(state);
    const bool ok = state.range(1) == 1;
    DrillScreen* screen = d.open();
    button(screen, "BT_level", LevelClass::Never)->click();
    const QString floorPath = d.values.dataFilePath + QStringLiteral(".floor");
    QFile::remove(floorPath);
    QFile::copy(d.values.dataFilePath, floorPath);
    SqliteFloor::DurableCommit floor(floorPath);
    std::vector<double> millis;
    std::vector<double> floorMillis;
    int slot = 0;
    for (auto _ : state) {
        if (slot == DrillValues::Slots) {
            screen->findChild<QPushButton*>(QStringLiteral("BT_next"))->click();
            slot = 0;
        }
        // The page turn and the window closed last time are drawn outside the timing, so
        // each grade is charged only with its own drawing.
        QCoreApplication::processEvents();
        timedClick(state, button(screen, ok ? "BT_OK" : "BT_ng", slot), millis);
        if (!ok) {
            screen->logic().explainCloseClick();
            button(screen, "BT_OK", slot)->click();
        }
        floorMillis.push_back(floor.onceMs());
        ++slot;
    }
    delete screen;
    reportPercentiles(state, millis);
    const double floorP99 = SqliteFloor::percentile(floorMillis, 0.99);
    state.counters["floor_p50_ms"] = SqliteFloor::percentile(floorMillis, 0.5);
    state.counters["floor_p99_ms"] = floorP99;
    state.counters["p99_ratio"] = state.counters["p99_ms"] / floorP99;
}

// The program's resident memory with the drill open on a rank.
void memoryWithDrillOpen(benchmark::State& state) {
    Drill& d = drill(state);
    for (auto _ : state) {
        DrillScreen* screen = d.open();
        button(screen, "BT_level", LevelClass::Never)->click();
        QCoreApplication::processEvents();
        QFile status(QStringLiteral("/proc/self/status"));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                state.counters["rss_MiB"] = line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
        delete screen;
    }
}

void registerAll() {
    for (const int size : LargeWordFile::sizes()) {
        for (int rank = 0; rank < LevelClass::Count; ++rank)
            benchmark::RegisterBenchmark("rankChoice", rankChoice)
                ->Args({size, rank})
                ->UseManualTime()
                ->Iterations(100)
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("nextPage", nextPage)
            ->Args({size, LevelClass::Never})
            ->UseManualTime()
            ->Iterations(30)
            ->Unit(benchmark::kMillisecond);
        for (const int ok : {1, 0})
            benchmark::RegisterBenchmark("grade", grade)
                ->ArgNames({"words", "ok"})
                ->Args({size, ok})
                ->UseManualTime()
                ->Iterations(300)
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("memoryWithDrillOpen", memoryWithDrillOpen)
            ->Arg(size)
            ->Iterations(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
