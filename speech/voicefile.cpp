// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/voicefile.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"

const char *const SpeechSampleRule = "5跳位|0-G8NO|出现敌对";

QVector<int> parseVoiceSettings(const QStringList &lines)
{
    QVector<int> values;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        values.append(line.toInt(nullptr, 10));
        if (values.size() == VoiceSettingCount)
            break;
    }
    return values;
}

bool readSpeechSample(const QString &locationPath, QString *sample)
{
    QStringList lines;
    if (!readConfigLines(locationPath, &lines))
        return false;
    // The first rule, so that a note or a marker line above the rules is not
    // what Speak plays; without a rule, the first non-empty line.
    *sample = QString::fromUtf8(SpeechSampleRule);
    bool found = false;
    for (const QString &line : qAsConst(lines)) {
        if (line.isEmpty())
            continue;
        if (!SharedConfig::parseLocations({line}).isEmpty()) {
            *sample = line;
            break;
        }
        if (!found)
            *sample = line;
        found = true;
    }
    return true;
}
