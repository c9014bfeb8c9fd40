// SPDX-License-Identifier: GPL-3.0-or-later
// The star-map merge on any editor text: the player's lines (those outside
// a closed block, and not markers) come out unchanged and in order around one
// new block, their rules stay theirs, and merging again changes nothing.
#include "app/sharedconfig.h"
#include "starmap/maprules.h"

#include <cstdlib>

static bool isBegin(const QString &line)
{
    return line.trimmed().startsWith(QLatin1String("# map rules from"));
}

static bool isEnd(const QString &line)
{
    return line.trimmed() == QLatin1String("# end of map rules");
}

// The player's lines, told from the markers alone: a begin marker followed
// by an end marker closes a block; any other marker goes on its own.
static QStringList playersLines(const QStringList &editor, bool *hadBlock)
{
    QVector<int> markers;
    for (int i = 0; i < editor.size(); ++i) {
        if (isBegin(editor.at(i)) || isEnd(editor.at(i)))
            markers << i;
    }
    QVector<bool> dropped(editor.size(), false);
    *hadBlock = false;
    for (int k = 0; k < markers.size(); ++k) {
        dropped[markers.at(k)] = true;
        if (isBegin(editor.at(markers.at(k)))) {
            *hadBlock = true;
            if (k + 1 < markers.size() && isEnd(editor.at(markers.at(k + 1)))) {
                for (int i = markers.at(k); i <= markers.at(k + 1); ++i)
                    dropped[i] = true;
            }
        }
    }
    QStringList own;
    for (int i = 0; i < editor.size(); ++i) {
        if (!dropped.at(i))
            own << editor.at(i);
    }
    return own;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList editor = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)).split(QLatin1Char('\n'));
    MapRules rules;
    rules.home = QStringLiteral("1DQ1-A");
    rules.radius = 1;
    rules.lines = QStringList{QStringLiteral("0 jumps|1DQ1-A|hostile"), QStringLiteral("1 jumps|N-8YET|hostile"),
                              QStringLiteral("1 jumps|0-G8NO|hostile")};
    const MergedRules merged = mergeMapRules(editor, rules);

    int begin = -1, end = -1;
    for (int i = 0; i < merged.lines.size(); ++i) {
        if (isBegin(merged.lines.at(i)) && (begin >= 0 || end >= 0))
            abort();
        if (isBegin(merged.lines.at(i)))
            begin = i;
        if (isEnd(merged.lines.at(i)) && (begin < 0 || end >= 0))
            abort();
        if (isEnd(merged.lines.at(i)))
            end = i;
    }
    if (begin < 0 || end < 0 || merged.lines.mid(begin + 1, end - begin - 1) != merged.added
        || merged.added.size() + merged.kept != rules.lines.size())
        abort();

    bool hadBlock = false;
    QStringList own = playersLines(editor, &hadBlock);
    // With no block yet the new one goes after the last line with text.
    while (!hadBlock && !own.isEmpty() && own.last().trimmed().isEmpty())
        own.removeLast();
    if (merged.lines.mid(0, begin) + merged.lines.mid(end + 1) != own)
        abort();
    const QMap<QString, QString> before = SharedConfig::parseLocations(own);
    const QMap<QString, QString> after = SharedConfig::parseLocations(merged.lines);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            abort();
    }
    if (mergeMapRules(merged.lines, rules).lines != merged.lines)
        abort();
    return 0;
}
