// SPDX-License-Identifier: GPL-3.0-or-later
// A word read out: from the speak call that the S key makes until the engine says the word
// is being heard. firstWord is the run's first (the speech module, Qt TextToSpeech and the
// voice are loaded then), laterWord the ones after it, each
// pressed while the word before may still be heard. Speech needs an audio output: run it
// through bench/speech/measure.sh, which lends it a silent one when the machine has none.
#include "app/lazywordspeaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int TimeoutMs = 3000;

// Made in main: the engine must be gone before Qt Multimedia's audio thread ends at exit.
LazyWordSpeaker* theSpeaker = nullptr;

LazyWordSpeaker& speaker() {
    return *theSpeaker;
}

// Runs the events until the word asked for is heard; false after TimeoutMs.
bool waitUntilHeard() {
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // the engine's state arrives as an event; this bounds the wait without one
    wake.start(10);
    while (!speaker().isSpeaking()) {
        if (clock.elapsed() > TimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void speakWords(benchmark::State& state, const QStringList& words) {
    qsizetype next = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        speaker().speak(words[next++ % words.size()]);
        if (!waitUntilHeard()) {
            state.SkipWithError("never heard: no voice or no audio output");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

void firstWord(benchmark::State& state) {
    speakWords(state, {QStringLiteral("apple")});
}

void laterWord(benchmark::State& state) {
    speakWords(state, {QStringLiteral("banana"), QStringLiteral("vocabulary"),
                       QStringLiteral("pronunciation"), QStringLiteral("cat")});
}

// In this order: the first word must be the run's first.
BENCHMARK(firstWord)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(laterWord)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LazyWordSpeaker speaker({QStringLiteral(VOKU_SPEECH_MODULE)});
    theSpeaker = &speaker;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
