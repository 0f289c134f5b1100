// SPDX-License-Identifier: GPL-3.0-or-later
// How long the word list of a 50,000-word file takes from the request to a window on
// screen: reading the file into the model, building the window and showing it.
#include "app/appvalues.h"
#include "app/userdialogs.h"
#include "data/wordstore.h"
#include "screens/tools/wordlistwindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int wordCount = 50000;

class SilentDialogs : public UserDialogs {
public:
    void inform(const QString& text, Icon) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool askYesNo(const QString&, Icon) override { return false; }
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }
};

QString makeWordFile(const QTemporaryDir& dir) {
    std::vector<WordRecord> rows(wordCount);
    for (int i = 0; i < wordCount; ++i) {
        rows[i].group = i / 100 + 1;
        rows[i].key = i % 100 + 1;
        rows[i].word = QStringLiteral("vocabulary%1").arg(i);
        rows[i].meaning = QStringLiteral("語彙、単語の集まり、その%1番目の意味").arg(i);
    }
    const QString path = dir.filePath(QStringLiteral("large.vku"));
    WordStore::create(path).insertRows(WordStore::Table::Word, rows);
    return path;
}

void BM_ShowWordList(benchmark::State& state) {
    QTemporaryDir dir;
    AppValues values;
    values.DataFilePath = makeWordFile(dir);
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
    state.counters["words"] = wordCount;
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
