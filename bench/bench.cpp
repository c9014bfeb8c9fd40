// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the project's performance figures as one table.
#include "benchutil.h"
#include "figures.h"
#include "notificationbus.h"
#include "testsupport.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace {

void silenceDebug()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(msg));
    });
}

} // namespace

namespace {
NotificationBus *benchBus = nullptr;
}

NotificationBus &notificationBus()
{
    return *benchBus;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("screenshots"))
        return takeScreenshots(app.arguments().value(2));
    if (app.arguments().value(1) == QLatin1String("voice-index"))
        return printVoiceIndexes(app.arguments().mid(2));
    initTestEnvironment();
    NotificationBus bus;
    if (!bus.isRunning())
        qFatal("no dbus-daemon");
    benchBus = &bus;
    silenceDebug();
    reportHeading();
    // Named so that one figure can be measured alone: chatwatch_bench soak
    const std::pair<const char *, void (*)()> figures[] = {
        {"examine", examination}, {"idle", idleTick}, {"latency", alertLatency}, {"overlong", overlongLine},
        {"idlecpu", idleCpu},     {"idlecpu20k", idleCpuCrowded}, {"idlecpu5", idleCpuCharacters},
        {"newlog", newLogNotice}, {"twoclients", twoClients},
        {"decidefolder", decideFolder}, {"soak", soak}, {"start", startOverBigLogs}, {"map", starMap},
        {"restart", speechRestart}, {"rulecheck", ruleCheck}, {"match", matching},
        {"bursts", alertBursts}, {"notify", notifications}, {"startlocal", startOverLocalLog},
        {"where", followingPlayer}, {"bigappend", bigAppend},
    };
    const QStringList only = app.arguments().mid(1);
    int failed = 0;
    for (const auto &figure : figures) {
        if (!only.isEmpty() && !only.contains(QLatin1String(figure.first)))
            continue;
        try {
            figure.second();
        } catch (const BenchFailure &failure) {
            // The next figures still run, on a test engine as it starts.
            fprintf(stderr, "FAILED %s: %s\n", figure.first, failure.what());
            report(QStringLiteral("FAILED: ") + QLatin1String(figure.first), QStringLiteral("see the error output"));
            ++failed;
            for (const char *mock :
                 {"mockSpeechUtteranceMs", "mockSpeechService", "mockSpeechDown", "mockSpeechDelayMs"})
                app.setProperty(mock, QVariant());
        }
    }
    return failed ? 1 : 0;
}
