// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/speechtext.h"

#include <QStringList>
#include <QTextToSpeech>
#include <QtDebug>

namespace {

const int SpelledPositions = 6;

QString englishText(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('|'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (fields.size() != 3)
        return QString();
    QString result = fields.at(0) + QLatin1Char(' ');
    // Spelled by character, so a surrogate pair reaches the engine whole; a
    // short system field (typed into a text box) spells what it has.
    const QString &system = fields.at(1);
    for (int i = 0, spelled = 0; i < system.size() && spelled < SpelledPositions; ++spelled) {
        const bool pair = system.at(i).isHighSurrogate() && i + 1 < system.size() && system.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(system).mid(i, pair ? 2 : 1);
        i += int(character.size());
        if (character == QLatin1String("-"))
            result += QLatin1String("dash ");
        else
            result += character.toString() + QLatin1Char(' ');
    }
    return result + fields.at(2);
}

} // namespace

QString prepareSpeechText(QString text, const QLocale &locale)
{
    QString result;
    switch (locale.language()) {
    case QLocale::Chinese:
        result = text.replace(QLatin1Char('|'), QLatin1Char(','), Qt::CaseSensitive)
                     .replace(QLatin1Char('-'), QChar(0x6760), Qt::CaseSensitive);
        break;
    case QLocale::English:
        result = englishText(text);
        break;
    default:
        break;
    }
    if (!result.isEmpty())
        qDebug() << result;
    return result;
}

bool speechLanguageHandled(const QLocale &locale)
{
    return locale.language() == QLocale::Chinese || locale.language() == QLocale::English;
}

QString prepareSpeechText(QString text, QTextToSpeech *speech)
{
    return prepareSpeechText(std::move(text), speech ? speech->locale() : QLocale::c());
}
