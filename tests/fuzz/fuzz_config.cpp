// SPDX-License-Identifier: GPL-3.0-or-later
// Rules parsed from any text keep their invariants; the voice file reader
// gives at most six values.
#include "app/sharedconfig.h"
#include "speech/voicefile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QMap<QString, QString> rules = SharedConfig::parseLocations(lines);
    for (auto it = rules.cbegin(); it != rules.cend(); ++it) {
        const QStringList fields = it.value().split(QLatin1Char('|'));
        if (fields.size() != 3 || fields.at(1) != it.key() || !lines.contains(it.value()))
            abort();
    }
    // The last line naming a system wins.
    for (int i = lines.size() - 1; i >= 0; --i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('|'));
        if (!lines.at(i).isEmpty() && fields.size() == 3) {
            if (rules.value(fields.at(1)) != lines.at(i))
                abort();
            break;
        }
    }
    // Slider positions stay within the sliders.
    const VoiceSettings voice = parseVoiceSettings(lines);
    if (voice.volume < 0 || voice.volume > 100 || qAbs(voice.rate) > 10 || qAbs(voice.pitch) > 10)
        abort();
    return 0;
}
