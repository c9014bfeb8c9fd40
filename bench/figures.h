// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIGURES_H
#define FIGURES_H

#include <QString>
#include <QStringList>
#include <QVector>

class NotificationBus;
class QTemporaryDir;

// Each prints its rows of the table.
void examination();
void idleTick();
void overlongLine();
void startOverBigLogs();
void idleCpu();
void idleCpuCrowded();
void newLogNotice();
void decideFolder();
void alertLatency();
void alertBursts();
void soak();
void speechRestart();
void matching();
void starMap();
void ruleCheck();
void notifications();
void startOverLocalLog();
void followingPlayer();

// The bench's own session bus with a recording notification service,
// made before any window so that every window uses it.
NotificationBus &notificationBus();

// Twenty quiet game logs in `dir`, followed, with one rule.
void prepareTwentyLogs(const QTemporaryDir &dir);
// A log as the game starts one, then 50 MB of ordinary chat.
void writeBigLog(const QString &path, const QString &channel);
// start_monitoring over the logs as configured, timed `runs` times (ms).
QVector<double> timeStarts(int runs);

// The bench's tools: "voice-index ENGINE LOCALE VOICE", "screenshots DIR".
int printVoiceIndexes(const QStringList &args);
int takeScreenshots(const QString &where);

#endif
