// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/voicefile.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"

#include <QRegularExpression>

#include <iterator>

VoiceSettings parseVoiceSettings(const QStringList &lines)
{
    VoiceSettings settings;
    int *const fields[] = {&settings.volume, &settings.rate,     &settings.pitch,
                           &settings.engine, &settings.language, &settings.voice};
    int next = 0;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        *fields[next++] = line.toInt(nullptr, 10);
        if (next == int(std::size(fields)))
            break;
    }
    settings.volume = qBound(0, settings.volume, 100);
    settings.rate = qBound(-10, settings.rate, 10);
    settings.pitch = qBound(-10, settings.pitch, 10);
    return settings;
}

VoiceSettings readVoiceSettings(const QString &voicePath)
{
    QStringList lines;
    readConfigLines(voicePath, &lines);
    return parseVoiceSettings(lines);
}

QStringList voiceSettingsLines(const VoiceSettings &settings)
{
    QStringList lines;
    for (const int value : {settings.volume, settings.rate, settings.pitch, settings.engine, settings.language,
                            settings.voice})
        lines.append(QString::number(value));
    return lines;
}

QString readFirstRule(const QString &locationPath)
{
    QStringList lines;
    readConfigLines(locationPath, &lines);
    for (const QString &line : qAsConst(lines)) {
        if (!SharedConfig::parseLocations({line}).isEmpty())
            return line;
    }
    return QString();
}

int sensibleVoice(const QLocale &locale, const QStringList &names, int current)
{
    // Words of a voice's name, as espeak names them ("Mandarin",
    // "english-us", "English (America)").
    QStringList wanted;
    if (locale.language() == QLocale::Chinese && locale.country() == QLocale::China)
        wanted = QStringList{QStringLiteral("mandarin"), QStringLiteral("cmn")};
    else if (locale.language() == QLocale::English && locale.country() == QLocale::UnitedStates)
        wanted = QStringList{QStringLiteral("us"), QStringLiteral("america"), QStringLiteral("american")};
    const QRegularExpression notLetters(QStringLiteral("[^a-z]+"));
    const auto fits = [&](const QString &name) {
        const QStringList words = name.toLower().split(notLetters, Qt::SkipEmptyParts);
        for (const QString &word : words) {
            if (wanted.contains(word))
                return true;
        }
        return false;
    };
    if (current >= 0 && current < names.size() && fits(names.at(current)))
        return current;
    int variant = -1;
    for (int i = 0; i < names.size(); ++i) {
        if (!fits(names.at(i)))
            continue;
        if (!names.at(i).contains(QLatin1Char('+')))
            return i;
        if (variant < 0)
            variant = i;
    }
    return variant >= 0 ? variant : current;
}
