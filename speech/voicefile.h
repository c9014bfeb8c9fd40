// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VOICEFILE_H
#define VOICEFILE_H

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// The voice alerts are said in, as voice.ini keeps it: the slider positions,
// then places in the lists the voice controls show.
struct VoiceSettings
{
    int volume = 70; // 0 to 100
    int rate = 0;    // -10 to 10
    int pitch = 0;   // -10 to 10
    int engine = 0;  // 0 the default engine, then the engines by name
    // The place in the engine's own list of languages; -1 keeps the engine's.
    // A place the engine does not have is kept too, and saved again as it was.
    int language = -1;
    int voice = -1; // among the language's voices; -1 keeps a sensible one
};

// The lines in file order: volume, rate, pitch, engine, language, voice.
// Empty lines are skipped, a line that is no number counts as 0, lines past
// the sixth are ignored, a missing line keeps its default; slider positions
// are held to the sliders' ranges.
VoiceSettings parseVoiceSettings(const QStringList &lines);
VoiceSettings readVoiceSettings(const QString &voicePath);
QStringList voiceSettingsLines(const VoiceSettings &settings);

// The first rule of the location file; empty when there is none.
QString readFirstRule(const QString &locationPath);

// The voice to use of a locale's `names` when none is saved: where the
// engine's own pick (`current`) is not one, the Mandarin voice for Chinese
// (China) and the American one for English (United States), a plain voice
// before its variants ("Mandarin" before "Mandarin+female2"). Any other
// case keeps `current`.
int sensibleVoice(const QLocale &locale, const QStringList &names, int current);

#endif
