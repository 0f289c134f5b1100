// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtwordspeaker.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTextToSpeech>

namespace {

// How long the end of a stopped word is awaited; it comes within some 20 ms.
constexpr int StopWaitMs = 1000;

// An English locale of the engine, American first; the engine's own when it has none.
void chooseEnglish(QTextToSpeech& speech) {
    const QList<QLocale> locales = speech.availableLocales();
    const auto english = [](const QLocale& l) { return l.language() == QLocale::English; };
    if (english(speech.locale()))
        return;
    if (locales.contains(QLocale(QLocale::English, QLocale::UnitedStates)))
        speech.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    else if (auto it = std::ranges::find_if(locales, english); it != locales.end())
        speech.setLocale(*it);
}

} // namespace

QtWordSpeaker::QtWordSpeaker() = default;

// The flite engine of Qt 6.4 crashes when it is destroyed while a word is heard (a learner
// closing the program right after S), so the word is stopped and its end awaited first.
QtWordSpeaker::~QtWordSpeaker() {
    if (!speech_ || speech_->state() != QTextToSpeech::Speaking)
        return;
    speech_->stop(QTextToSpeech::BoundaryHint::Immediate);
    QElapsedTimer clock;
    clock.start();
    while (speech_->state() == QTextToSpeech::Speaking && clock.elapsed() < StopWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}

void QtWordSpeaker::speak(const QString& word) {
    QTextToSpeech* speech = engine();
    if (!speech || word.trimmed().isEmpty())
        return;
    heard_ = false;
    if (speech->state() == QTextToSpeech::Speaking)
        speech->stop(QTextToSpeech::BoundaryHint::Immediate);
    speech->say(word);
}

bool QtWordSpeaker::isSpeaking() const {
    return heard_ && speech_->state() == QTextToSpeech::Speaking;
}

QTextToSpeech* QtWordSpeaker::engine() {
    if (!started_) {
        started_ = true;
        speech_ = startEngine();
        // Speaking is only the new word's once the engine has said so after it was asked.
        if (speech_) {
            QObject::connect(speech_.get(), &QTextToSpeech::stateChanged, speech_.get(),
                             [this](QTextToSpeech::State state) {
                                 if (state == QTextToSpeech::Speaking)
                                     heard_ = true;
                             });
        }
    }
    return speech_.get();
}

std::unique_ptr<QTextToSpeech> QtWordSpeaker::startEngine() {
    // Without a device the engine would only report an error on every word.
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty() || QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    const QString name =
        engines.contains(QStringLiteral("flite")) ? QStringLiteral("flite") : engines.first();
    auto speech = std::make_unique<QTextToSpeech>(name);
    // An engine that cannot start says so at once; one that fails on a word later (its
    // device went away) is asked again with the next word.
    if (speech->state() == QTextToSpeech::Error)
        return nullptr;
    chooseEnglish(*speech);
    return speech;
}
