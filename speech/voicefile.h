// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VOICEFILE_H
#define VOICEFILE_H

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// The saved speech settings, in file order: volume, rate, pitch, engine,
// language and voice. Only the values present are returned.
enum VoiceSetting { VoiceVolume, VoiceRate, VoicePitch, VoiceEngine, VoiceLanguage, VoiceVoice, VoiceSettingCount };

// Empty lines are skipped, a line that is no number counts as 0, lines past
// the sixth are ignored.
QVector<int> parseVoiceSettings(const QStringList &lines);

// The first rule of the location file; empty when there is none.
QString readFirstRule(const QString &locationPath);

// The voice to use of a locale's `names` when none is saved: where the
// engine's own pick (`current`) is not one, the Mandarin voice for Chinese
// (China) and the American one for English (United States), a plain voice
// before its variants ("Mandarin" before "Mandarin+female2"). Any other
// case keeps `current`.
int sensibleVoice(const QLocale &locale, const QStringList &names, int current);

#endif
