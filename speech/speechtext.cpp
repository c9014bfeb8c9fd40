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
    // A short system field (typed into a text box) spells what it has.
    const QString &system = fields.at(1);
    const int positions = qMin(SpelledPositions, system.size());
    for (int i = 0; i < positions; ++i) {
        if (system.at(i) == QLatin1Char('-'))
            result += QLatin1String("dash ");
        else
            result += system.at(i) + QLatin1Char(' ');
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

QString prepareSpeechText(QString text, QTextToSpeech *speech)
{
    return prepareSpeechText(std::move(text), speech ? speech->locale() : QLocale::c());
}
