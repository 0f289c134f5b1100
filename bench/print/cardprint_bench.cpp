// SPDX-License-Identifier: GPL-3.0-or-later
// Prints 50,000 words (2,500 pages) into a PDF; reports the peak resident memory.
#include "data/wordstore.h"
#include "largewordfile.h"
#include "print/printwordcards.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The resident memory now, from /proc: the peak alone would hide growth under the setup's.
double rssMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLong() * sysconf(_SC_PAGESIZE) / 1048576.0 : 0;
}

class CardPrintFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        if (!path_.isEmpty())
            return;
        path_ = LargeWordFile::create(dir_.path());
        groups_ = LargeWordFile::groups();
    }

protected:
    QTemporaryDir dir_;
    QString path_;
    std::vector<int> groups_;
};

BENCHMARK_DEFINE_F(CardPrintFixture, FiftyThousandWordsToPdf)(benchmark::State& state) {
    const WordStore store = WordStore::open(path_);
    const QString pdf = dir_.filePath(QStringLiteral("cards.pdf"));
    const double rssBefore = rssMiB();
    double rssTenth = 0;
    double rssHalfway = 0;
    const auto progress = [&](qint64 done, qint64 total) {
        if (done == total / 10)
            rssTenth = rssMiB();
        if (done == total / 2)
            rssHalfway = rssMiB();
    };
    for (auto _ : state) {
        const auto outcome =
            PrintWordCards::toPdf(store, groups_, QStringLiteral("VOKU英単カード"), pdf, progress);
        if (outcome != PrintWordCards::Outcome::Printed)
            state.SkipWithError("printing failed");
    }
    state.counters["pdf_MiB"] = QFileInfo(pdf).size() / 1048576.0;
    state.counters["rss_before_MiB"] = rssBefore;
    state.counters["rss_at_10pct_MiB"] = rssTenth;
    state.counters["rss_at_50pct_MiB"] = rssHalfway;
    state.counters["peak_rss_MiB"] = peakRssKiB() / 1024.0;
}
BENCHMARK_REGISTER_F(CardPrintFixture, FiftyThousandWordsToPdf)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
