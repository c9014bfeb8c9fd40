// SPDX-License-Identifier: GPL-3.0-or-later
// Every find is six characters of one of the four shapes, and the finds are
// exactly what the four regular expressions give wherever they are defined,
// on the parts read with full-width forms as ASCII.
#include "monitor/detection.h"

#include <QStringList>

#include <cstdlib>

static bool validUtf16(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QList<QRegularExpression> patterns = systemNamePatterns();
    static const QList<QRegularExpression> whole = [] {
        QList<QRegularExpression> anchored;
        for (const QRegularExpression &p : patterns)
            anchored.append(QRegularExpression(QRegularExpression::anchoredPattern(p.pattern())));
        return anchored;
    }();
    // Half the inputs as raw UTF-16 (any code unit), half as UTF-8.
    const QString line = size % 2 == 0
        ? QString(reinterpret_cast<const QChar *>(data), int(size / 2))
        : QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QVector<QString> found;
    detectSystemNames(line, &found);

    // Part by part, against the expressions wherever they are defined: they
    // find nothing in a part that is not valid UTF-16.
    QVector<QString> fromParts;
    const QStringList parts = line.split(QStringLiteral(" > "), Qt::KeepEmptyParts, Qt::CaseSensitive);
    for (int i = 1; i < parts.size(); ++i) {
        QVector<QString> own;
        detectSystemNames(QStringLiteral(" > ") + parts.at(i), &own);
        fromParts += own;
        if (!validUtf16(parts.at(i)))
            continue;
        QStringList expected;
        const QString ascii = asciiForms(parts.at(i));
        for (const QRegularExpression &p : patterns) {
            const QRegularExpressionMatch m = p.match(ascii);
            if (m.hasMatch())
                expected.append(m.captured(0));
        }
        if (QStringList(own.cbegin(), own.cend()) != expected)
            abort();
    }
    if (found != (isGameSystemLine(line) ? QVector<QString>() : fromParts))
        abort();
    if (!enteredSystem(line).isEmpty() && !isGameSystemLine(line))
        abort();
    static_cast<void>(lineKind(line));
    for (const QString &name : found) {
        bool shaped = false;
        for (const QRegularExpression &p : whole)
            shaped = shaped || p.match(name).hasMatch();
        if (name.size() != 6 || !shaped)
            abort();
    }
    return 0;
}
