// SPDX-License-Identifier: GPL-3.0-or-later
// The rule check on any editor text: the same findings every time, one at
// most a line, in order and in range, each line quoted as it stands; a rule
// it passes is the one the rules parse keeps, and a name shape it accepts is
// one the detection reports.
#include "app/sharedconfig.h"
#include "monitor/detection.h"
#include "speech/rulecheck.h"

#include <QSet>

#include <cstdlib>

static bool operator==(const RuleFinding &a, const RuleFinding &b)
{
    return a.line == b.line && a.text == b.text && a.reason == b.reason && a.winner == b.winner;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Half the inputs as raw UTF-16 (any code unit), half as UTF-8.
    const QString text = size % 2 == 0 ? QString(reinterpret_cast<const QChar *>(data), int(size / 2))
                                       : QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QVector<RuleFinding> findings = checkRules(lines);
    if (checkRules(lines) != findings)
        abort();
    QVector<bool> flagged(lines.size() + 1, false);
    int previous = 0;
    for (const RuleFinding &f : findings) {
        if (f.line <= previous || f.line > lines.size() || f.text != lines.at(f.line - 1)
            || !describeFinding(f).startsWith(QStringLiteral("Line %1: ").arg(f.line)))
            abort();
        if (f.reason == RuleFinding::LaterRuleWins
            && (f.winner <= f.line || f.winner > lines.size()
                || lines.at(f.winner - 1).section(QLatin1Char('|'), 1, 1) != f.text.section(QLatin1Char('|'), 1, 1)))
            abort();
        flagged[f.line] = true;
        previous = f.line;
    }
    const QMap<QString, QString> rules = SharedConfig::parseLocations(lines);
    QSet<QString> passed;
    for (int i = lines.size() - 1; i >= 0; --i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('|'));
        if (fields.size() == 3) {
            QVector<QString> found;
            detectSystemNames(QStringLiteral(" > ") + fields.at(1), &found);
            if (isSystemName(fields.at(1)) != found.contains(fields.at(1)))
                abort();
        }
        const QString trimmed = lines.at(i).trimmed();
        if (flagged.at(i + 1) || (fields.size() != 3 && (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))))
            continue;
        // A line passed is a rule, the last for its system.
        if (fields.size() != 3 || rules.value(fields.at(1)) != lines.at(i) || passed.contains(fields.at(1)))
            abort();
        passed.insert(fields.at(1));
    }
    return 0;
}
