// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"

#include <functional>

namespace {

void readFlag(const QString &value, bool *flag)
{
    if (value == QLatin1String("0") || value == QLatin1String("1"))
        *flag = value == QLatin1String("1");
}

bool update(const std::function<void(Options *)> &change, QString *error)
{
    Options options = loadOptions();
    change(&options);
    return SharedConfig::saveOptions(optionsText(options), error);
}

} // namespace

Options parseOptions(const QStringList &lines)
{
    Options options;
    for (const QString &line : lines) {
        const QString key = line.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = line.section(QLatin1Char('='), 1).trimmed();
        if (key == QLatin1String("follow"))
            readFlag(value, &options.followNewer);
        else if (key == QLatin1String("listening"))
            readFlag(value, &options.listening);
        else if (key == QLatin1String("announcequiet"))
            readFlag(value, &options.announceQuiet);
        else if (key == QLatin1String("window"))
            options.window = QByteArray::fromBase64(value.toLatin1());
    }
    return options;
}

QString optionsText(const Options &options)
{
    return joinConfigLines({QStringLiteral("follow=%1").arg(int(options.followNewer)),
                            QStringLiteral("listening=%1").arg(int(options.listening)),
                            QStringLiteral("announcequiet=%1").arg(int(options.announceQuiet)),
                            QStringLiteral("window=") + QString::fromLatin1(options.window.toBase64())});
}

Options loadOptions()
{
    QStringList lines;
    readConfigLines(SharedConfig::optionsFile, &lines);
    return parseOptions(lines);
}

bool saveFollowNewer(bool on, QString *error)
{
    return update([on](Options *o) { o->followNewer = on; }, error);
}

bool saveAnnounceQuiet(bool on, QString *error)
{
    return update([on](Options *o) { o->announceQuiet = on; }, error);
}

bool saveListening(bool on, QString *error)
{
    return update([on](Options *o) { o->listening = on; }, error);
}

bool saveWindow(const QByteArray &geometry, QString *error)
{
    return update([&geometry](Options *o) { o->window = geometry; }, error);
}
