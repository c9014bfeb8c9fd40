// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATCHLOCATION_H
#define MATCHLOCATION_H

#include <QString>

// The rule line to announce for a reported system. Letter case does not
// count, as in the game: the rule spelled as chat spells the name, else one
// spelled otherwise, else the wildcard rule "*-****" with the name put in
// its place (upper-cased, as the game writes names), else empty.
QString matchLocation(const QString &location);

#endif
