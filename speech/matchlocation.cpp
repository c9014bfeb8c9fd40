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
    rule = rules.constFind(wildcard);
    if (rule != rules.constEnd())
        return QString(rule.value()).replace(wildcard, location, Qt::CaseSensitive);
    return QString();
}
