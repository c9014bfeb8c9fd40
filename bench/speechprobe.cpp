// SPDX-License-Identifier: GPL-3.0-or-later
// Times the real speech engine, to choose the speech watchdog's period.
//   chatwatch_speechprobe ENGINE LOCALE [N [RATE [TEXT]]]
// Says an alert's text N times and prints, for each say, the time until the
// engine reports Speaking and how long it spoke. Then it prints "kill now" and waits for a line on
// standard input (the caller stops the speech service meanwhile), says once
// more on the same engine, and then on a new engine of the same name,
// printing what each did within five seconds. Last, the service is stopped
// again while that engine speaks, and its state is printed.
#include "benchutil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextToSpeech>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

double lastSpokenMs = -1;

// Milliseconds from say() until Speaking, or -1 when it did not come within
// `limitMs`; the engine is then left to finish (lastSpokenMs: how long it
// spoke).
double timeToSpeaking(QTextToSpeech *speech, const QString &text, int limitMs)
{
    QEventLoop loop;
    QElapsedTimer clock;
    double took = -1;
    const auto seen = QObject::connect(speech, &QTextToSpeech::stateChanged, &loop,
                                       [&](QTextToSpeech::State state) {
                                           if (state == QTextToSpeech::Speaking && took < 0) {
                                               took = clock.nsecsElapsed() / 1e6;
                                               loop.quit();
                                           }
                                       });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    clock.start();
    speech->say(text);
    loop.exec();
    QObject::disconnect(seen);
    // Let the utterance end before the next one.
    QEventLoop rest;
    QTimer::singleShot(limitMs, &rest, &QEventLoop::quit);
    QObject::connect(speech, &QTextToSpeech::stateChanged, &rest, [&](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Ready)
            rest.quit();
    });
    if (took >= 0 && speech->state() != QTextToSpeech::Ready)
        rest.exec();
    lastSpokenMs = took < 0 ? -1 : clock.nsecsElapsed() / 1e6 - took;
    return took;
}

QTextToSpeech *newEngine(const QString &name, const QString &localeName, double *createdMs)
{
    QElapsedTimer clock;
    clock.start();
    auto *speech = new QTextToSpeech(name);
    for (const QLocale &locale : speech->availableLocales()) {
        if (locale.name() == localeName) {
            speech->setLocale(locale);
            break;
        }
    }
    *createdMs = clock.nsecsElapsed() / 1e6;
    return speech;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString name = app.arguments().value(1, QStringLiteral("speechd"));
    const QString localeName = app.arguments().value(2, QStringLiteral("en_GB"));
    const int runs = app.arguments().value(3, QStringLiteral("10")).toInt();
    const double rate = app.arguments().value(4, QStringLiteral("0")).toDouble();
    const QString text = app.arguments().value(5, QStringLiteral("5 jumps 0 dash G 8 N O hostile"));

    double created = 0;
    QTextToSpeech *speech = newEngine(name, localeName, &created);
    speech->setRate(rate);
    printf("engine %s created in %.1f ms, state %d, locale %s\n", qPrintable(name), created, speech->state(),
           qPrintable(speech->locale().name()));
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double t = timeToSpeaking(speech, text, 5000);
        printf("say %d: Speaking after %.1f ms, spoke for %.0f ms\n", i + 1, t, lastSpokenMs);
        times << t;
    }
    std::sort(times.begin(), times.end());
    printf("say -> Speaking: median %.1f ms, max %.1f ms of %d\n", median(times), times.last(), runs);

    printf("kill now\n");
    fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    printf("old engine after the kill: Speaking after %.1f ms (-1: never within 5 s), state %d\n",
           timeToSpeaking(speech, text, 5000), speech->state());
    delete speech;
    speech = newEngine(name, localeName, &created);
    printf("new engine created in %.1f ms, state %d\n", created, speech->state());
    printf("new engine: Speaking after %.1f ms\n", timeToSpeaking(speech, text, 5000));
    printf("new engine again: Speaking after %.1f ms\n", timeToSpeaking(speech, text, 5000));

    // The service stopped in the middle of a sentence.
    QEventLoop speaking;
    QObject::connect(speech, &QTextToSpeech::stateChanged, &speaking, [&](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking)
            speaking.quit();
    });
    speech->say(QStringLiteral("this sentence is long enough to be cut short by the end of the service"));
    speaking.exec();
    printf("kill now\n");
    fflush(stdout);
    std::getline(std::cin, line);
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    printf("stopped while speaking: state after 1 s %d; a new say: Speaking after %.1f ms, state %d\n",
           speech->state(), timeToSpeaking(speech, text, 3000), speech->state());
    delete speech;
    return 0;
}
