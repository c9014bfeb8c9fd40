// SPDX-License-Identifier: GPL-3.0-or-later
// The star-map merge on any editor text: the player's lines (those outside
// a closed block, and not markers) come out unchanged and in order around one
// new block, their rules stay theirs, merging again changes nothing, and the
// block's marker line gives back the settings it was made with.
#include "app/sharedconfig.h"
#include "starmap/maprules.h"

#include <algorithm>
#include <cstdlib>

static bool isBegin(const QString &line)
{
    return line.trimmed().startsWith(QLatin1String("# map rules from"));
}

static bool isEnd(const QString &line)
{
    return line.trimmed() == QLatin1String("# end of map rules");
}

// Told from the markers alone: a begin marker followed by an end marker
// closes a block; any other marker goes on its own.
static QStringList playersLines(const QStringList &editor)
{
    QVector<int> markers;
    for (int i = 0; i < editor.size(); ++i) {
        if (isBegin(editor.at(i)) || isEnd(editor.at(i)))
            markers << i;
    }
    QVector<bool> dropped(editor.size(), false);
    for (int k = 0; k < markers.size(); ++k) {
        const bool closed = isBegin(editor.at(markers.at(k))) && k + 1 < markers.size() && isEnd(editor.at(markers.at(k + 1)));
        std::fill(dropped.begin() + markers.at(k), dropped.begin() + markers.at(closed ? k + 1 : k) + 1, true);
    }
    QStringList own;
    for (int i = 0; i < editor.size(); ++i) {
        if (!dropped.at(i))
            own << editor.at(i);
    }
    // With no block yet the new one goes after the last line with text.
    while (std::none_of(editor.cbegin(), editor.cend(), isBegin) && !own.isEmpty() && own.last().trimmed().isEmpty())
        own.removeLast();
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
    // Words as the dialog lets them through: without "|" or a line break.
    const QString first = fitsInRule(editor.first()) ? editor.first() : QStringLiteral("%1 jumps hostile");
    rules.words = {first.left(first.size() / 2), first.mid(first.size() / 2)};
    rules.followsPlayer = first.size() % 2;
    const MergedRules merged = mergeMapRules(editor, rules);
    const QStringList &out = merged.lines;
    const int begin = int(std::find_if(out.cbegin(), out.cend(), isBegin) - out.cbegin());
    const int end = int(std::find_if(out.cbegin(), out.cend(), isEnd) - out.cbegin());
    if (std::count_if(out.cbegin(), out.cend(), isBegin) != 1 || std::count_if(out.cbegin(), out.cend(), isEnd) != 1
        || end < begin || out.mid(begin + 1, end - begin - 1) != merged.added
        || merged.added.size() + merged.kept != rules.lines.size())
        abort();

    const QStringList own = playersLines(editor);
    if (out.mid(0, begin) + out.mid(end + 1) != own)
        abort();
    const QMap<QString, QString> before = SharedConfig::parseLocations(own);
    const QMap<QString, QString> after = SharedConfig::parseLocations(out);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            abort();
    }
    if (mergeMapRules(out, rules).lines != out)
        abort();
    const MapBlock block = readMapBlock(out);
    if (!block.readable || block.followsPlayer != rules.followsPlayer || block.centre != rules.home
        || block.radius != 1 || block.words.before != rules.words.before || block.words.after != rules.words.after)
        abort();
    return 0;
}
