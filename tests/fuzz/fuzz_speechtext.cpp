// SPDX-License-Identifier: GPL-3.0-or-later
// Speech text for any input, in both languages: Chinese keeps the text with
// "|" and "-" replaced and the system field of a three-field line spaced;
// English spells at most six characters of a three-field line and gives
// nothing otherwise.
#include "speech/speechtext.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    (void)quiet;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));

    const QStringList fields = text.split(QLatin1Char('|'));
    const QString zh = prepareSpeechText(text, QLocale(QLocale::Chinese, QLocale::China));
    const int spaces = fields.size() == 3 ? qMax(0, int(fields.at(1).size()) - 1) : 0;
    if (zh.size() < text.size() || zh.size() > text.size() + spaces || zh.contains(QLatin1Char('|'))
        || zh.contains(QLatin1Char('-')))
        abort();

    const QString en = prepareSpeechText(text, QLocale(QLocale::English, QLocale::UnitedStates));
    if (fields.size() != 3) {
        if (!en.isEmpty())
            abort();
    } else {
        const int spelled = qMin(6, fields.at(1).size());
        if (!en.startsWith(fields.at(0) + QLatin1Char(' ')) || !en.endsWith(fields.at(2))
            || en.size() > fields.at(0).size() + 1 + spelled * 5 + fields.at(2).size())
            abort();
    }
    if (!prepareSpeechText(text, QLocale(QLocale::German)).isEmpty())
        abort();
    return 0;
}
