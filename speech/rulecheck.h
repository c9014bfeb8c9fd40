// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RULECHECK_H
#define RULECHECK_H

#include <QString>
#include <QStringList>
#include <QVector>

// A line of the rules editor that can never make an alert.
struct RuleFinding
{
    enum Reason {
        NoBar,              // no "|" at all
        NotThreeFields,     // "|" but not three fields
        SpacesAroundSystem, // a system name with blanks around it
        NotASystemName,     // a system field chat detection never reports
        LaterRuleWins,      // another rule for the same system comes later
    };
    int line = 0;           // 1-based, as the editor counts
    QString text;
    Reason reason = NoBar;
    int winner = 0;         // LaterRuleWins: the line whose rule is used
};

// Every line that can never fire, in line order, at most one finding a line.
// Blank lines, and lines starting with "#" that are not rules (notes, the
// star-map block's markers), are not findings.
QVector<RuleFinding> checkRules(const QStringList &lines);

// "Line 3: near | E-YJ8G | spotted — spaces around the system name".
QString describeFinding(const RuleFinding &finding);

#endif
