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
void idleCpuCharacters();
void twoClients();
void bigAppend();

// The bench's own session bus with a recording notification service,
// made before any window so that every window uses it.
NotificationBus &notificationBus();

// Twenty quiet game logs in `dir`, followed, with a rule for 0-G8NO and one
// for any other system; with `characters`, that many characters' logs of each.
void prepareTwentyLogs(const QTemporaryDir &dir, int characters = 0);
// The log of channel `channel` (0..19) by `character` (1..n, 0 for one without an id).
QString followedLog(const QTemporaryDir &dir, int channel, int character = 0);
// A system only one sample names, and an alert line that reports it.
QString sampleSystem(int sample);
QByteArray reportLine(const QString &system);
// When the engine was told (`call`) each alert naming `system`, in order.
QVector<qint64> alertNs(const QString &system, const char *call = "say");
// Fails unless every alert told to the engine since the calls were cleared
// named `system`, and exactly one did.
void expectOneAlert(const QString &system, const QString &figure);
// A log as the game starts one, then 50 MB of ordinary chat.
void writeBigLog(const QString &path, const QString &channel);
// start_monitoring over the logs as configured, timed `runs` times (ms).
QVector<double> timeStarts(int runs);

// The bench's tools: "voice-index ENGINE LOCALE VOICE", "screenshots DIR".
int printVoiceIndexes(const QStringList &args);
int takeScreenshots(const QString &where);

#endif
