// SPDX-License-Identifier: GPL-3.0-or-later
// A chat log fed any bytes in any chunks: no crash, bounded memory, and the
// lines the game writes after the damage are all read.
#include "monitor/chatlogstream.h"

#include <QFile>
#include <QStringList>

#include <cstdlib>
#include <unistd.h>

namespace {

QByteArray encode(const QString &text, int encoding)
{
    if (encoding == 0)
        return text.toUtf8();
    QByteArray out;
    for (QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        out.append(encoding == 1 ? lo : hi);
        out.append(encoding == 1 ? hi : lo);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = QStringLiteral("/dev/shm/chatwatch-fuzz-%1.txt").arg(getpid());
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    (void)quiet;
    if (size < 2)
        return 0;
    // First byte: encoding (UTF-8, UTF-16LE, UTF-16BE); second: chunk size.
    const int encoding = data[0] % 3;
    const int chunk = 1 + data[1] * 97;
    const QByteArray damage(reinterpret_cast<const char *>(data + 2), int(size - 2));
    static const QByteArray boms[] = {QByteArray(), QByteArray("\xFF\xFE", 2), QByteArray("\xFE\xFF", 2)};

    QFile writer(path);
    if (!writer.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    writer.write(boms[encoding] + encode(QStringLiteral("header\r\n"), encoding));
    writer.flush();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        abort();
    ChatLogStream stream(&file);

    // An empty result is an empty line or nothing new; every line takes at
    // least one byte, so that many reads surely empty the stream.
    QStringList lines;
    const auto drain = [&](int reads) {
        for (int i = 0; i < reads; ++i) {
            const QString line = stream.readLine();
            if (!line.isEmpty())
                lines.append(line);
        }
        if (stream.heldBytes() > 8 * 1024 * 1024)
            abort();
    };
    QByteArray tail = encode(QStringLiteral("\r\n"), encoding);
    for (int i = 0; i < 3; ++i)
        tail += encode(QString(QChar(0xFEFF)) + QStringLiteral("[ 2026.12.07 ] P > GOOD-%1\r\n").arg(i), encoding);
    const QByteArray all = damage + tail;
    for (int at = 0; at < all.size(); at += chunk) {
        writer.write(all.mid(at, chunk));
        writer.flush();
        drain(2);
    }
    drain(all.size() + 16);
    for (int i = 0; i < 3; ++i) {
        if (lines.value(lines.size() - 3 + i) != QStringLiteral("[ 2026.12.07 ] P > GOOD-%1").arg(i))
            abort();
    }
    return 0;
}
