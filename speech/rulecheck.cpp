// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/rulecheck.h"

#include "monitor/detection.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

const QString Wildcard = QStringLiteral("*-****");

bool isBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

bool isNote(QStringView line)
{
    return line.trimmed().startsWith(QLatin1Char('#'));
}

bool canBeReported(QStringView system)
{
    return system == Wildcard || isSystemName(system);
}

struct RuleCheck
{
    Q_DECLARE_TR_FUNCTIONS(RuleCheck)
};

} // namespace

QVector<RuleFinding> checkRules(const QStringList &lines)
{
    QVector<RuleFinding> findings;
    QVector<QPair<int, QStringView>> rules;
    QHash<QStringView, int> lastRule;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringView line(lines.at(i));
        const int first = line.indexOf(QLatin1Char('|'));
        const int second = first < 0 ? -1 : line.indexOf(QLatin1Char('|'), first + 1);
        const bool threeFields = second >= 0 && line.indexOf(QLatin1Char('|'), second + 1) < 0;
        if (!threeFields && (isBlank(line) || isNote(line)))
            continue;
        RuleFinding finding{i + 1, lines.at(i), RuleFinding::NoBar, 0};
        if (first >= 0)
            finding.reason = RuleFinding::NotThreeFields;
        if (threeFields) {
            const QStringView system = line.mid(first + 1, second - first - 1);
            if (canBeReported(system)) {
                rules.append({i, system});
                lastRule.insert(system, i);
                continue;
            }
            finding.reason = canBeReported(system.trimmed()) ? RuleFinding::SpacesAroundSystem
                                                             : RuleFinding::NotASystemName;
        }
        findings.append(finding);
    }
    // The rules parse keeps the last rule of a system.
    const int broken = findings.size();
    for (const auto &rule : qAsConst(rules)) {
        const int winner = lastRule.value(rule.second);
        if (winner != rule.first)
            findings.append({rule.first + 1, lines.at(rule.first), RuleFinding::LaterRuleWins, winner + 1});
    }
    if (broken > 0 && findings.size() > broken) {
        std::inplace_merge(findings.begin(), findings.begin() + broken, findings.end(),
                           [](const RuleFinding &a, const RuleFinding &b) { return a.line < b.line; });
    }
    return findings;
}

QString describeFinding(const RuleFinding &finding)
{
    QString why;
    const QString system = finding.text.section(QLatin1Char('|'), 1, 1);
    switch (finding.reason) {
    case RuleFinding::NoBar:
        why = RuleCheck::tr("no “|”: a rule is words|system|words");
        break;
    case RuleFinding::NotThreeFields:
        why = RuleCheck::tr("%n fields: a rule has three, words|system|words", nullptr,
                           finding.text.count(QLatin1Char('|')) + 1);
        break;
    case RuleFinding::SpacesAroundSystem:
        why = RuleCheck::tr("spaces around the system name “%1”").arg(system);
        break;
    case RuleFinding::NotASystemName:
        why = RuleCheck::tr("“%1” is not a system name chat can report (shaped like 0-G8NO, or *-**** for any)").arg(system);
        break;
    case RuleFinding::LaterRuleWins:
        why = RuleCheck::tr("line %1 has a rule for %2 too, and the later rule is used").arg(QString::number(finding.winner), system);
        break;
    }
    // Long lines are cut so that the reason stays in view.
    constexpr int Shown = 60;
    QString text = finding.text;
    if (text.size() > Shown) {
        const int cut = text.at(Shown - 2).isHighSurrogate() ? Shown - 2 : Shown - 1;
        text = text.left(cut) + QChar(0x2026);
    }
    return RuleCheck::tr("Line %1: %2 — %3").arg(QString::number(finding.line), text, why);
}
