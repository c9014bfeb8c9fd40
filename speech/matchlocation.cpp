// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/matchlocation.h"

#include "app/sharedconfig.h"

#include <QHash>

namespace {

// The rules by case-blind system. Tests and dialogs assign the rules
// directly, so the index is rebuilt whenever the map it was made from is no
// longer the one in the store; holding a copy keeps that map alive, and any
// change to the store's map detaches it from the copy.
const QHash<QString, QString> &caseBlindRules()
{
    static QMap<QString, QString> indexed;
    static QHash<QString, QString> byKey;
    const QMap<QString, QString> &rules = SharedConfig::locations;
    if (!indexed.isSharedWith(rules)) {
        indexed = rules;
        byKey.clear();
        // Of spellings that differ only in case, the first in key order
        // answers: the one nearest to upper case.
        for (auto it = rules.cbegin(); it != rules.cend(); ++it) {
            const QString key = SharedConfig::caseBlindSystem(it.key());
            if (!byKey.contains(key))
                byKey.insert(key, it.value());
        }
    }
    return byKey;
}

} // namespace

QString matchLocation(const QString &location)
{
    const QString wildcard = QStringLiteral("*-****");
    const auto &rules = SharedConfig::locations;
    auto rule = rules.constFind(location);
    if (rule != rules.constEnd())
        return rule.value();
    const QString key = SharedConfig::caseBlindSystem(location);
    const QHash<QString, QString> &caseBlind = caseBlindRules();
    auto other = caseBlind.constFind(key);
    if (other != caseBlind.constEnd())
        return other.value();
    rule = rules.constFind(wildcard);
    if (rule != rules.constEnd())
        return QString(rule.value()).replace(wildcard, key, Qt::CaseSensitive);
    return QString();
}
