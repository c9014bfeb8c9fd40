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

constexpr ushort FullWidthFirst = 0xFF01, FullWidthLast = 0xFF5E, FullWidthOffset = 0xFEE0;

inline ushort asciiForm(ushort u)
{
    return u >= FullWidthFirst && u <= FullWidthLast ? ushort(u - FullWidthOffset) : u;
}

inline bool isNameUnit(ushort u)
{
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

inline bool isNameChar(QChar c)
{
    return isNameUnit(c.unicode());
}

// In a chat line: ASCII or the full-width form a Chinese input method types.
inline bool isTypedNameChar(QChar c)
{
    return isNameUnit(asciiForm(c.unicode()));
}

inline bool isTypedHyphen(QChar c)
{
    return c.unicode() == '-' || c.unicode() == 0xFF0D;
}

// The words that make a message a clear or a question, in lower case; any
// letter case matches. A word counts where it stands on its own: no
// neighbour is of its own kind, an ASCII letter or digit for "clr", a CJK
// ideograph for "清" (Chinese has no spaces, so "N-8YET清" is a clear and
// "清楚" is not). A mark counts anywhere. Full-width forms count as ASCII,
// so "？" is a "?".
struct QuietWord {
    const char16_t *text;
    LineKind kind;
    bool mark;
};
const QuietWord QuietWords[] = {
    {u"clr", LineKind::Clear, false},     {u"clear", LineKind::Clear, false},   {u"\u6E05", LineKind::Clear, false},
    {u"?", LineKind::Question, true},     {u"stat", LineKind::Question, false}, {u"status", LineKind::Question, false},
};

inline bool isHan(ushort u)
{
    return QChar::script(u) == QChar::Script_Han;
}

// Whether `c` would make `word` part of a longer word.
inline bool joins(ushort c, const QuietWord &word)
{
    return isHan(word.text[0]) ? isHan(c) : isNameUnit(c);
}

bool standsAt(const QString &message, int at, const QuietWord &word)
{
    const QStringView text(word.text);
    if (at + text.size() > message.size())
        return false;
    for (int i = 0; i < text.size(); ++i) {
        ushort u = message.at(at + i).unicode();
        if (u >= 'A' && u <= 'Z')
            u += 'a' - 'A';
        if (u != text.at(i).unicode())
            return false;
    }
    const int after = at + int(text.size());
    return word.mark
        || ((at == 0 || !joins(message.at(at - 1).unicode(), word))
            && (after == message.size() || !joins(message.at(after).unicode(), word)));
}

// For shape k (k letters before the hyphen, 5 - k after), the first match
// starts k characters before the first hyphen that has at least k name
// characters right before it and 5 - k right after it.
void scanPart(const QChar *part, int length, QVector<QString> *found)
{
    int first[Shapes] = {-1, -1, -1, -1};
    int open = Shapes;
    for (int h = 1; h + 1 < length && open > 0; ++h) {
        if (!isTypedHyphen(part[h]))
            continue;
        int before = 0;
        while (before < 4 && h - 1 - before >= 0 && isTypedNameChar(part[h - 1 - before]))
            ++before;
        int after = 0;
        while (after < 4 && h + 1 + after < length && isTypedNameChar(part[h + 1 + after]))
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
            found->append(asciiForms(QStringView(part + first[k], 6)));
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
    if (!isGameSystemLine(line))
        return QString();
    const QStringView message = messageOf(line);
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

QString asciiForms(QStringView text)
{
    QString ascii = text.toString();
    for (QChar &c : ascii)
        c = QChar(asciiForm(c.unicode()));
    return ascii;
}

LineKind lineKind(const QString &line)
{
    if (!hasMessage(line))
        return LineKind::Report;
    const QString message = asciiForms(messageOf(line));
    LineKind kind = LineKind::Report;
    for (int at = 0; at < message.size(); ++at) {
        for (const QuietWord &word : QuietWords) {
            if (!standsAt(message, at, word))
                continue;
            if (word.kind == LineKind::Question)
                return LineKind::Question;
            kind = word.kind;
        }
    }
    return kind;
}

bool hasMessage(const QString &line)
{
    return line.contains(Separator);
}

QStringView messageOf(const QString &line)
{
    const int separator = line.indexOf(Separator);
    return separator < 0 ? QStringView() : QStringView(line).mid(separator + Separator.size()).trimmed();
}
