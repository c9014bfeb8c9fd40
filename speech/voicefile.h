// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VOICEFILE_H
#define VOICEFILE_H

#include <QString>
#include <QStringList>
#include <QVector>

// The saved speech settings, in file order: volume, rate, pitch, engine,
// language and voice. Only the values present are returned.
enum VoiceSetting { VoiceVolume, VoiceRate, VoicePitch, VoiceEngine, VoiceLanguage, VoiceVoice, VoiceSettingCount };

// Empty lines are skipped, a line that is no number counts as 0, lines past
// the sixth are ignored.
QVector<int> parseVoiceSettings(const QStringList &lines);

// The first rule of the location file, else its first non-empty line, else
// the built-in sample rule; false when the file does not open.
bool readSpeechSample(const QString &locationPath, QString *sample);

extern const char *const SpeechSampleRule;

#endif
