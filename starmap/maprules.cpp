// SPDX-License-Identifier: GPL-3.0-or-later
#include "starmap/maprules.h"

#include "app/sharedconfig.h"
#include "monitor/detection.h"
#include "starmap/starmap.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const QString BlockBegin = QStringLiteral("# map rules from ");
const QString BlockEnd = QStringLiteral("# end of map rules");

bool isBlockBegin(const QString &line)
{
    return line.trimmed().startsWith(BlockBegin.trimmed());
}

bool isBlockEnd(const QString &line)
{
    return line.trimmed() == BlockEnd;
}

// Where the block opened at `begin` stops: the index of its end mark, or of
// the next opening mark or lines.size() when its end mark is missing.
int blockEnd(const QStringList &lines, int begin)
{
    int end = begin + 1;
    while (end < lines.size() && !isBlockBegin(lines.at(end)) && !isBlockEnd(lines.at(end)))
        ++end;
    return end;
}

bool hasEndMark(const QStringList &lines, int end)
{
    return end < lines.size() && isBlockEnd(lines.at(end));
}

// Words in double quotes, with backslashes before quotes and backslashes.
QString quoted(QString words)
{
    words.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + words + QLatin1Char('"');
}

QString unquoted(const QString &words)
{
    QString plain;
    for (int i = 0; i < words.size(); ++i) {
        if (words.at(i) == QLatin1Char('\\') && i + 1 < words.size())
            ++i;
        plain += words.at(i);
    }
    return plain;
}

QString blockBeginLine(const MapRules &rules)
{
    // Written even when empty: only a marker made before these words were
    // kept lacks them, and gets the default ones.
    const QString here = QLatin1Char(' ') + quoted(rules.words.here);
    const QString from = rules.followsPlayer ? QStringLiteral("where I am, now %1,").arg(rules.home) : rules.home;
    return BlockBegin
        + QStringLiteral("%1 within %2 jumps, words %3 %4 (replaced whole when generated again)")
              .arg(from, QString::number(rules.radius), quoted(rules.words.before),
                   quoted(rules.words.after) + here);
}

const QString EnglishJumps = QStringLiteral("%1 jumps");

QString withJumps(QString words, int jumps)
{
    if (jumps == 1 && words == EnglishJumps)
        return QStringLiteral("1 jump");
    return words.replace(QLatin1String("%1"), QString::number(jumps));
}

} // namespace

bool fitsInRule(const QString &words)
{
    return !words.contains(QLatin1Char('|')) && !words.contains(QLatin1Char('\n'))
        && !words.contains(QLatin1Char('\r'));
}

MapRuleWords defaultMapRuleWords(const QLocale &voice)
{
    if (voice.language() == QLocale::Chinese)
        return {QStringLiteral("%1跳位"), QStringLiteral("预警"), QStringLiteral("本星系")};
    return {EnglishJumps, QStringLiteral("hostile"), QStringLiteral("in your system")};
}

MapRules buildMapRules(const StarMap &map, const QVector<int> &homes, int radius, const MapRuleWords &words)
{
    MapRules rules;
    QStringList names;
    for (const int home : homes) {
        if (home >= 0 && home < map.size() && !names.contains(map.name(home)))
            names.append(map.name(home));
    }
    if (names.isEmpty())
        return rules;
    // In one order whichever character jumped last, so the marker changes
    // only when the systems do.
    names.sort();
    rules.home = names.join(CentreSeparator);
    rules.radius = radius;
    rules.words = words;
    const QVector<StarMap::Reach> reached = map.within(homes, radius);
    for (const StarMap::Reach &r : reached) {
        const QString &name = map.name(r.system);
        // Chat detection cannot report names such as "Amarr" or "Kor-Azor Prime".
        if (!isSystemName(name))
            rules.unnamed.append(name);
        else
            rules.lines.append(withJumps(r.jumps == 0 && !words.here.isEmpty() ? words.here : words.before, r.jumps)
                               + QLatin1Char('|') + name + QLatin1Char('|')
                               + withJumps(words.after, r.jumps));
    }
    return rules;
}

QStringList ownLines(const QStringList &lines, int *blockAt)
{
    QStringList own;
    int at = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isBlockEnd(line))
            continue;
        if (isBlockBegin(line)) {
            if (at < 0)
                at = own.size();
            // Without its end mark nobody can tell where a block stops: only
            // the mark goes, and the lines after it count as the player's.
            const int end = blockEnd(lines, i);
            if (hasEndMark(lines, end))
                i = end;
            continue;
        }
        own.append(line);
    }
    if (blockAt)
        *blockAt = at;
    return own;
}

MapBlock readMapBlock(const QStringList &lines)
{
    static const QRegularExpression settings(QStringLiteral(
        "^# map rules from (where I am, now )?(.+?),? within (\\d+) jumps"
        "(?:, words \"((?:[^\"\\\\]|\\\\.)*)\" \"((?:[^\"\\\\]|\\\\.)*)\"(?: \"((?:[^\"\\\\]|\\\\.)*)\")?)? \\(replaced whole when generated again\\)$"));
    MapBlock block;
    for (int i = 0; i < lines.size(); ++i) {
        if (!isBlockBegin(lines.at(i)))
            continue;
        block.found = true;
        const QString marker = lines.at(i).trimmed();
        block.followsPlayer = marker.startsWith(BlockBegin + QLatin1String("where I am"));
        const QRegularExpressionMatch m = settings.match(marker);
        block.radius = m.captured(3).toInt();
        // Without its end mark the block's lines count as the player's, which
        // would win over any made again; a block that follows the player is
        // made again from its words.
        const int end = blockEnd(lines, i);
        // A second block would be dropped when this one is written again.
        const bool single = std::none_of(lines.cbegin() + end, lines.cend(), isBlockBegin);
        block.readable = m.hasMatch() && block.radius >= 1 && block.radius <= MaxMapRadius && hasEndMark(lines, end)
            && single && (!block.followsPlayer || m.lastCapturedIndex() >= 5);
        if (block.readable) {
            block.centre = m.captured(2);
            block.words = {unquoted(m.captured(4)), unquoted(m.captured(5)), unquoted(m.captured(6))};
            // Made with the default words before the player's own system had
            // words: "0 jumps" was never chosen.
            if (m.capturedStart(6) < 0) {
                for (const QLocale &voice : {QLocale(QLocale::Chinese), QLocale(QLocale::English)}) {
                    const MapRuleWords defaults = defaultMapRuleWords(voice);
                    if (block.words.before == defaults.before)
                        block.words.here = defaults.here;
                }
            }
        } else {
            block.radius = 0;
        }
        break;
    }
    return block;
}

QStringList centreSystems(const QString &centre)
{
    return centre.split(CentreSeparator, Qt::SkipEmptyParts);
}

MergedRules mergeMapRules(const QStringList &editor, const MapRules &rules)
{
    int blockAt = -1;
    QStringList own = ownLines(editor, &blockAt);
    if (blockAt < 0) {
        while (!own.isEmpty() && own.last().trimmed().isEmpty())
            own.removeLast();
        blockAt = own.size();
    }

    const OwnSystems ownSystems(SharedConfig::parseLocations(own));
    MergedRules merged;
    QStringList block;
    block << blockBeginLine(rules);
    for (const QString &rule : rules.lines) {
        if (ownSystems.haveRuleFor(rule)) {
            ++merged.kept;
        } else {
            block << rule;
            merged.added << rule;
        }
    }
    block << BlockEnd;
    merged.lines = own.mid(0, blockAt) + block + own.mid(blockAt);
    return merged;
}

OwnSystems::OwnSystems(const QMap<QString, QString> &own)
{
    for (auto it = own.cbegin(); it != own.cend(); ++it)
        m_systems.insert(SharedConfig::caseBlindSystem(it.key()));
}

bool OwnSystems::haveRuleFor(const QString &generated) const
{
    return m_systems.contains(SharedConfig::caseBlindSystem(generated.section(QLatin1Char('|'), 1, 1)));
}
