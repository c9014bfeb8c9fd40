// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STARMAP_H
#define STARMAP_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The game's systems and the stargates between them, read from lines
// "name<TAB>region<TAB>security<TAB>neighbour,neighbour,..." where lines
// starting with '#' are comments.
class StarMap
{
public:
    struct Reach
    {
        int system;
        int jumps;
    };

    // The map compiled into the program, read the first time it is asked for.
    static const StarMap &bundled();
    // Lines without the four fields are skipped, and so are neighbours that
    // have no line of their own; a gate listed on one side only joins both.
    static StarMap fromText(const QString &text);

    int size() const { return m_names.size(); }
    // The system's index, ignoring letter case; -1 when it is not on the map.
    int find(const QString &name) const;
    // Whether some name starts with `typed`, ignoring letter case: a name
    // still being typed.
    bool hasNameStartingWith(const QString &typed) const;
    // The indexes of those of `names` on the map, in order.
    QVector<int> find(const QStringList &names) const;
    // The name as the map spells it.
    const QString &name(int system) const { return m_names.at(system); }
    const QStringList &names() const { return m_names; }
    // Every system at most maxJumps gates from the nearest of homes, with its
    // distance, nearest first and by name within one distance. Homes that
    // are not on the map are left out.
    QVector<Reach> within(const QVector<int> &homes, int maxJumps) const;
    QVector<Reach> within(int home, int maxJumps) const { return within(QVector<int>{home}, maxJumps); }
    // The jumps from the nearest of homes to each system, by index; -1 where
    // no gate leads.
    QVector<int> jumps(const QVector<int> &homes) const;

private:
    // One search from all homes at once, in the order it reaches systems.
    QVector<Reach> search(const QVector<int> &homes, int maxJumps) const;

    QStringList m_names;
    QHash<QString, int> m_index;  // by case-folded name
    // The neighbours of system s are m_links[m_firstLink[s]] up to
    // m_links[m_firstLink[s + 1]]: one block instead of a vector per system.
    QVector<int> m_firstLink;
    QVector<int> m_links;
};

#endif
