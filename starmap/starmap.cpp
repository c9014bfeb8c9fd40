// SPDX-License-Identifier: GPL-3.0-or-later
#include "starmap/starmap.h"

#include <QFile>
#include <QtDebug>

#include <algorithm>
#include <utility>

const StarMap &StarMap::bundled()
{
    static const StarMap map = [] {
        // The resource lives in a static library: nothing registers it unless asked.
        Q_INIT_RESOURCE(starmap);
        QFile file(QStringLiteral(":/starmap/starmap.tsv"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("The star map is missing from the program");
            return StarMap();
        }
        return fromText(QString::fromUtf8(file.readAll()));
    }();
    return map;
}

StarMap StarMap::fromText(const QString &text)
{
    StarMap map;
    QVector<std::pair<int, QStringView>> listed;
    const auto lines = QStringView(text).split(QLatin1Char('\n'));
    for (const QStringView &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 4)
            continue;
        const QString name = fields.at(0).toString();
        const QString key = name.toCaseFolded();
        auto it = map.m_index.constFind(key);
        if (it == map.m_index.constEnd()) {
            it = map.m_index.insert(key, map.m_names.size());
            map.m_names.append(name);
        }
        listed.append({it.value(), fields.at(3).trimmed()});
    }

    QVector<std::pair<int, int>> gates;
    for (const auto &entry : qAsConst(listed)) {
        const auto neighbours = entry.second.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QStringView &neighbour : neighbours) {
            const int other = map.m_index.value(neighbour.toString().toCaseFolded(), -1);
            if (other >= 0 && other != entry.first) {
                gates.append({entry.first, other});
                gates.append({other, entry.first});
            }
        }
    }
    std::sort(gates.begin(), gates.end());
    gates.erase(std::unique(gates.begin(), gates.end()), gates.end());

    map.m_firstLink.fill(0, map.size() + 1);
    map.m_links.reserve(gates.size());
    for (const auto &gate : qAsConst(gates)) {
        ++map.m_firstLink[gate.first + 1];
        map.m_links.append(gate.second);
    }
    for (int s = 0; s < map.size(); ++s)
        map.m_firstLink[s + 1] += map.m_firstLink[s];
    return map;
}

int StarMap::find(const QString &name) const
{
    return m_index.value(name.toCaseFolded(), -1);
}

bool StarMap::hasNameStartingWith(const QString &typed) const
{
    return std::any_of(m_names.cbegin(), m_names.cend(),
                       [&typed](const QString &name) { return name.startsWith(typed, Qt::CaseInsensitive); });
}

QVector<int> StarMap::find(const QStringList &names) const
{
    QVector<int> found;
    for (const QString &name : names) {
        const int at = find(name);
        if (at >= 0)
            found.append(at);
    }
    return found;
}

QVector<StarMap::Reach> StarMap::search(const QVector<int> &homes, int maxJumps) const
{
    QVector<Reach> reached;
    if (maxJumps < 0)
        return reached;
    QVector<bool> seen(size(), false);
    for (const int home : homes) {
        if (home >= 0 && home < size() && !seen.at(home)) {
            seen[home] = true;
            reached.append({home, 0});
        }
    }
    // Breadth first: reached is in order of distance as it grows.
    for (int i = 0; i < reached.size(); ++i) {
        const Reach from = reached.at(i);
        if (from.jumps == maxJumps)
            break;
        for (int l = m_firstLink.at(from.system); l < m_firstLink.at(from.system + 1); ++l) {
            const int next = m_links.at(l);
            if (!seen.at(next)) {
                seen[next] = true;
                reached.append({next, from.jumps + 1});
            }
        }
    }
    return reached;
}

QVector<StarMap::Reach> StarMap::within(const QVector<int> &homes, int maxJumps) const
{
    QVector<Reach> reached = search(homes, maxJumps);
    std::sort(reached.begin(), reached.end(), [this](const Reach &a, const Reach &b) {
        return a.jumps != b.jumps ? a.jumps < b.jumps : m_names.at(a.system) < m_names.at(b.system);
    });
    return reached;
}

QVector<int> StarMap::jumps(const QVector<int> &homes) const
{
    QVector<int> jumps(size(), -1);
    // No way is longer than the map has systems.
    for (const Reach &r : search(homes, size()))
        jumps[r.system] = r.jumps;
    return jumps;
}
