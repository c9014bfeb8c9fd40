// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include "app/qtcompat.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtDebug>

namespace {

void replaceTranslator(QTranslator &translator, const QString &name, const QString &folder)
{
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(name, folder))
        QCoreApplication::installTranslator(&translator);
    else
        qWarning("No translation %s in %s", qPrintable(name), qPrintable(folder));
}

} // namespace

QString interfaceLanguage(const QStringList &uiLanguages)
{
    // A later language we have beats English for one we lack.
    for (const QString &name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Chinese)
            return QStringLiteral("zh_CN");
        if (language == QLocale::English)
            return QStringLiteral("en");
    }
    return QStringLiteral("en");
}

namespace {
QString installed;
}

QString installTranslations(const QStringList &uiLanguages)
{
    Q_INIT_RESOURCE(translations);
    static QTranslator own, qt;
    const QString language = interfaceLanguage(uiLanguages);
    installed = language;
    replaceTranslator(own, QStringLiteral("chatwatch_") + language, QStringLiteral(":/translations"));
    replaceTranslator(qt, QStringLiteral("qtbase_") + language, qtTranslationsFolder());
    return language;
}

QString languageName(const QLocale &locale, bool territory)
{
    // Qt lacks native names for some languages and territories: the English
    // one then, never an empty name or "()". Only Chinese and English are
    // named natively: every font has their letters, not every one others'.
    const bool native = installed == QLatin1String("zh_CN")
        && (locale.language() == QLocale::Chinese || locale.language() == QLocale::English);
    QString name = native ? locale.nativeLanguageName() : QString();
    if (name.isEmpty())
        name = QLocale::languageToString(locale.language());
    if (!territory)
        return name;
    QString place = native ? nativeTerritoryName(locale) : QString();
    if (place.isEmpty())
        place = territoryName(locale);
    return place.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, place);
}
