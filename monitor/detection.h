// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DETECTION_H
#define DETECTION_H

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QVector>

// The four shapes of a system name: 1-4, 2-3, 3-2 and 4-1 ASCII letters or
// digits around one hyphen-minus, in this order.
// Detection reads the full-width forms a Chinese input method types
// ("N－8YET", "Ｎ-８ＹＥＴ") as ASCII; the patterns themselves do not.
QList<QRegularExpression> systemNamePatterns();

// Appends to *found every system name a chat line announces: the line is
// split at " > ", the text before the first separator is never looked at,
// and in each later part every pattern contributes its first match, pattern
// by pattern. Gives exactly what the four patterns find, without their cost,
// wherever they are defined: on a part holding an unpaired UTF-16 surrogate
// (a damaged log) the expressions give up and find nothing, while the names
// around the damage are still found here. On a line with full-width forms,
// it gives what the patterns find in the line read by asciiForms(), and the
// names in ASCII.
// Nothing is found in a line the game itself writes (see isGameSystemLine).
void detectSystemNames(const QString &line, QVector<QString> *found);

// The text with each full-width ASCII form (U+FF01 to U+FF5E) replaced by
// its ASCII character; nothing else changes, nor the length.
QString asciiForms(QStringView text);

// What a chat line's message says of the systems it names. A clear ("N-8YET
// clr", "清") or a question ("5B-YDD status?") raises no alarm. A line that
// is both ("clear?") is a question: nobody said the system is clear.
enum class LineKind { Report, Clear, Question };
LineKind lineKind(const QString &line);

// Whether the line's sender is the game's own ("EVE System", "EVE系统"):
// it names the player's own system at every jump, which is no report.
bool isGameSystemLine(const QString &line);

// The system the game's line says the player has just entered ("EVE System >
// Channel changed to Local : N-8YET*", "EVE系统 > 频道更换为本地：N-8YET*"), as
// written there without the trailing "*"; empty for any other line.
QString enteredSystem(const QString &line);

// Whether `line` has a message part at all, where names may be found: a
// log's header block and empty lines have none.
bool hasMessage(const QString &line);
// What the line says after its sender, trimmed; empty without a sender.
QStringView messageOf(const QString &line);

// Whether the detection can report exactly this text: six ASCII letters or
// digits with one hyphen-minus after the first to the fourth.
bool isSystemName(QStringView text);

#endif
