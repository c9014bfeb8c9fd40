// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATCHLOCATION_H
#define MATCHLOCATION_H

#include <QString>

// The rule line to announce for a reported system: its own rule, else the
// wildcard rule "*-****" with the name put in its place, else empty.
QString matchLocation(const QString &location);

#endif
