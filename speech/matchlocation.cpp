// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/matchlocation.h"

#include "app/sharedconfig.h"

QString matchLocation(const QString &location)
{
    const QString wildcard = QStringLiteral("*-****");
    const auto &rules = SharedConfig::locations;
    auto rule = rules.constFind(location);
    if (rule != rules.constEnd())
        return rule.value();
    const QString key = SharedConfig::caseBlindSystem(location);
    const QHash<QString, QString> &caseBlind = SharedConfig::caseBlindLocations();
    auto other = caseBlind.constFind(key);
    if (other != caseBlind.constEnd())
        return other.value();
    rule = rules.constFind(wildcard);
    if (rule != rules.constEnd())
        return QString(rule.value()).replace(wildcard, key, Qt::CaseSensitive);
    return QString();
}
