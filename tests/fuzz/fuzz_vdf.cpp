// SPDX-License-Identifier: GPL-3.0-or-later
// Steam's libraryfolders.vdf is written by Steam and by hand: any bytes give
// a list of non-empty paths that reads back the same once written again.
#include "monitor/logfolders.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray vdf(reinterpret_cast<const char *>(data), int(size));
    const QStringList paths = steamLibraryPaths(vdf);
    if (paths.size() > vdf.count("\"") / 4)
        abort();
    QString again = QStringLiteral("\"libraryfolders\"\n{\n");
    for (const QString &path : paths) {
        if (path.isEmpty())
            abort();
        QString escaped = path;
        escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
        again += QStringLiteral("\t\"0\" { \"PATH\" \"%1\" }\n").arg(escaped);
    }
    if (steamLibraryPaths(again.append(QLatin1Char('}')).toUtf8()) != paths)
        abort();
    return 0;
}
