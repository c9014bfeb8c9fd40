// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/speechtext.h"

#include <QStringList>
#include <QTextToSpeech>
#include <QtDebug>

namespace {

const int SpelledPositions = 6;

// Each character of a system followed by a space, the dash said as `dash`,
// at most `positions` of them. By character, so a surrogate pair reaches the
// engine whole; a short field (typed into a text box) spells what it has.
QString spelled(const QString &system, const QString &dash, int positions)
{
    QString result;
    for (int i = 0, count = 0; i < system.size() && count < positions; ++count) {
        const bool pair = system.at(i).isHighSurrogate() && i + 1 < system.size() && system.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(system).mid(i, pair ? 2 : 1);
        i += int(character.size());
        result += (character == QLatin1String("-") ? dash : character.toString()) + QLatin1Char(' ');
    }
    return result;
}

QString englishText(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('|'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (fields.size() != 3)
        return QString();
    return fields.at(0) + QLatin1Char(' ') + spelled(fields.at(1), QStringLiteral("dash"), SpelledPositions)
        + fields.at(2);
}

// Letters kept together are read as a word or a merged syllable ("G8NO" as
// "gate-no"): spaced, Mandarin voices say each one. All of them, as before.
QString chineseText(QString text)
{
    const QString dash(QChar(0x6760));
    QStringList fields = text.split(QLatin1Char('|'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (fields.size() == 3) {
        fields[1] = spelled(fields.at(1), dash, fields.at(1).size());
        fields[1].chop(1);
    }
    return fields.join(QLatin1Char(',')).replace(QLatin1Char('-'), dash, Qt::CaseSensitive);
}

} // namespace

QString prepareSpeechText(QString text, const QLocale &locale)
{
    QString result;
    switch (locale.language()) {
    case QLocale::Chinese:
        result = chineseText(std::move(text));
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
