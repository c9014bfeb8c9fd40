// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/detection.h"

namespace {

const QString Separator = QStringLiteral(" > ");
// The game's own sender in each client language.
const char16_t *const GameSenders[] = {u"EVE System", u"EVE\u7CFB\u7EDF"};
// What the game says when the player enters a system, in each client
// language; the system follows after a colon, ASCII or full-width.
const char16_t *const EnteredSystem[] = {u"Channel changed to Local", u"\u9891\u9053\u66F4\u6362\u4E3A\u672C\u5730"};
constexpr int Shapes = 4;

inline bool isNameChar(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// For shape k (k letters before the hyphen, 5 - k after), the first match
// starts k characters before the first hyphen that has at least k name
// characters right before it and 5 - k right after it.
void scanPart(const QChar *part, int length, QVector<QString> *found)
{
    int first[Shapes] = {-1, -1, -1, -1};
    int open = Shapes;
    for (int h = 1; h + 1 < length && open > 0; ++h) {
        if (part[h] != QLatin1Char('-'))
            continue;
        int before = 0;
        while (before < 4 && h - 1 - before >= 0 && isNameChar(part[h - 1 - before]))
            ++before;
        int after = 0;
        while (after < 4 && h + 1 + after < length && isNameChar(part[h + 1 + after]))
            ++after;
        for (int k = 1; k <= Shapes; ++k) {
            if (first[k - 1] < 0 && before >= k && after >= 5 - k) {
                first[k - 1] = h - k;
                --open;
            }
        }
    }
    for (int k = 0; k < Shapes; ++k) {
        if (first[k] >= 0)
            found->append(QString(part + first[k], 6));
    }
}

} // namespace

QList<QRegularExpression> systemNamePatterns()
{
    return {
        QRegularExpression(QStringLiteral("[0-9a-zA-Z]{1}-[0-9a-zA-Z]{4}"), QRegularExpression::NoPatternOption),
        QRegularExpression(QStringLiteral("[0-9a-zA-Z]{2}-[0-9a-zA-Z]{3}"), QRegularExpression::NoPatternOption),
        QRegularExpression(QStringLiteral("[0-9a-zA-Z]{3}-[0-9a-zA-Z]{2}"), QRegularExpression::NoPatternOption),
        QRegularExpression(QStringLiteral("[0-9a-zA-Z]{4}-[0-9a-zA-Z]{1}"), QRegularExpression::NoPatternOption),
    };
}

bool isSystemName(QStringView text)
{
    if (text.size() != 6)
        return false;
    const int hyphen = text.indexOf(QLatin1Char('-'));
    if (hyphen < 1 || hyphen > 4)
        return false;
    for (int i = 0; i < text.size(); ++i) {
        if (i != hyphen && !isNameChar(text.at(i)))
            return false;
    }
    return true;
}

namespace {

// The head of a line is what comes before its first " > ": time stamp and sender.
bool isGameSender(QStringView head)
{
    const int stamp = head.indexOf(QLatin1String("] "));
    const QStringView sender = (stamp < 0 ? head : head.mid(stamp + 2)).trimmed();
    for (const char16_t *game : GameSenders) {
        if (sender.compare(QStringView(game)) == 0)
            return true;
    }
    return false;
}

} // namespace

bool isGameSystemLine(const QString &line)
{
    const int separator = line.indexOf(Separator);
    return separator >= 0 && isGameSender(QStringView(line.constData(), separator));
}

QString enteredSystem(const QString &line)
{
    const int separator = line.indexOf(Separator);
    if (separator < 0 || !isGameSender(QStringView(line.constData(), separator)))
        return QString();
    const QStringView message = QStringView(line).mid(separator + Separator.size()).trimmed();
    for (const char16_t *said : EnteredSystem) {
        const QStringView words(said);
        if (!message.startsWith(words))
            continue;
        QStringView system = message.mid(words.size()).trimmed();
        if (system.isEmpty() || (system.front() != QLatin1Char(':') && system.front() != QChar(0xFF1A)))
            return QString();
        system = system.mid(1).trimmed();
        // Newer clients mark the system with a "*".
        if (system.endsWith(QLatin1Char('*')))
            system = system.chopped(1).trimmed();
        return system.toString();
    }
    return QString();
}

void detectSystemNames(const QString &line, QVector<QString> *found)
{
    // One search for the first separator serves the sender and the parts.
    int start = line.indexOf(Separator);
    if (start < 0 || isGameSender(QStringView(line.constData(), start)))
        return;
    while (start >= 0) {
        start += Separator.size();
        const int end = line.indexOf(Separator, start);
        const int stop = end < 0 ? line.size() : end;
        scanPart(line.constData() + start, stop - start, found);
        start = end;
    }
}

bool hasMessage(const QString &line)
{
    return line.contains(Separator);
}
