// SPDX-License-Identifier: GPL-3.0-or-later
// The word list on files of 5,000, 50,000 or (with VOKU_BENCH_LARGE set) 500,000 words:
// - BM_ShowWordList: from the request to a window on screen (reading the file into the
//   model, building the window and showing it), beside a bare scan of the word table;
// - BM_TypeInSearch and BM_EraseSearch: one keystroke in the search field until the grid is
//   drawn again, narrowing (typing "1" into an empty field) and widening (erasing it), with
//   the rows in the file's order (/0) or sorted by word (/1).
#include "app/appvalues.h"
#include "largewordfile.h"
#include "screens/tools/wordlistwindow.h"
#include "silentseams.h"
#include "sqlitefloor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct BenchFile {
    QTemporaryDir dir;
    AppValues values;
    SilentDialogs dialogs;

    explicit BenchFile(int words) {
        values.dataFilePath = LargeWordFile::create(dir.path(), words);
        values.windowTitle = QStringLiteral("VOKU英単カード　large.vku");
    }
};

// Beside each showing, plain SQLite's scan of the word table in the same round: the
// counters give both medians and their ratio.
void BM_ShowWordList(benchmark::State& state) {
    BenchFile file(static_cast<int>(state.range(0)));
    std::vector<double> ours, floors;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        auto* window = new WordListWindow(file.values, file.dialogs);
        window->show();
        QApplication::processEvents();
        ours.push_back(timer.nsecsElapsed() / 1e6);
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        floors.push_back(SqliteFloor::scanMs(file.values.dataFilePath));
        state.ResumeTiming();
    }
    state.counters["ms"] = SqliteFloor::percentile(ours, 0.5);
    state.counters["scan_floor_ms"] = SqliteFloor::percentile(floors, 0.5);
    state.counters["ratio"] = state.counters["ms"] / state.counters["scan_floor_ms"];
}

// Counts the paints of the grid, so that a keystroke is measured until the rows are drawn.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void press(QWidget* field, const PaintCounter& grid, Qt::Key key, const QString& text = {}) {
    const int before = grid.paints;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &event);
    while (grid.paints == before)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Each iteration measures one keystroke and takes it back unmeasured.
void keystroke(benchmark::State& state, bool narrow) {
    BenchFile file(static_cast<int>(state.range(0)));
    WordListWindow window(file.values, file.dialogs);
    window.show();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("MSFlexGrid1"));
    if (state.range(1) != 0)
        grid->sortByColumn(WordListModel::Word, Qt::AscendingOrder);
    PaintCounter counter;
    grid->viewport()->installEventFilter(&counter);
    auto* find = window.findChild<QLineEdit*>(QStringLiteral("TX_find"));
    QApplication::processEvents();
    const auto type = [&] { press(find, counter, Qt::Key_1, QStringLiteral("1")); };
    const auto erase = [&] { press(find, counter, Qt::Key_Backspace); };
    if (!narrow)
        type();
    for (auto _ : state) {
        narrow ? type() : erase();
        state.PauseTiming();
        narrow ? erase() : type();
        state.ResumeTiming();
    }
}

void BM_TypeInSearch(benchmark::State& state) {
    keystroke(state, true);
}

void BM_EraseSearch(benchmark::State& state) {
    keystroke(state, false);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const int size : LargeWordFile::sizes()) {
        benchmark::RegisterBenchmark("BM_ShowWordList", BM_ShowWordList)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
        for (auto* keystroke : {BM_TypeInSearch, BM_EraseSearch})
            benchmark::RegisterBenchmark(
                keystroke == BM_TypeInSearch ? "BM_TypeInSearch" : "BM_EraseSearch", keystroke)
                ->Args({size, 0})
                ->Args({size, 1})
                ->Unit(benchmark::kMillisecond)
                ->Iterations(20);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
