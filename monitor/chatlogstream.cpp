// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/chatlogstream.h"

#include <QFile>
#include <QtDebug>

#include <cstring>

namespace {

// The most data one tick reads from one log: bounds the time a tick takes
// while a huge unfinished line is being skipped.
constexpr int MaxChunksPerRead = 16;

struct Encoding {
    const char *codec;
    int bomLength;
    int unitSize;
    bool bigEndian;
};

Encoding detectEncoding(const QByteArray &head)
{
    const auto starts = [&head](const char *bom, int n) {
        return head.size() >= n && memcmp(head.constData(), bom, size_t(n)) == 0;
    };
    if (starts("\xFF\xFE\x00\x00", 4))
        return {"UTF-32LE", 4, 4, false};
    if (starts("\x00\x00\xFE\xFF", 4))
        return {"UTF-32BE", 4, 4, true};
    if (starts("\xFF\xFE", 2))
        return {"UTF-16LE", 2, 2, false};
    if (starts("\xFE\xFF", 2))
        return {"UTF-16BE", 2, 2, true};
    if (starts("\xEF\xBB\xBF", 3))
        return {"UTF-8", 3, 1, false};
    return {"UTF-8", 0, 1, false};
}

// Whether the '\n' byte at b[at] (of `size` bytes) ends a line, `phase`
// bytes past a code-unit boundary. Returns where the line's bytes end and
// sets *next to where the next line starts; -1 when it does not end a line,
// -2 when more bytes are needed to tell.
int lineEndAt(const char *b, int size, int at, int phase, int unit, bool bigEndian, int *next)
{
    const auto bytesAre = [b, size](int from, const char *want, int n) {
        return from >= 0 && from + n <= size && memcmp(b + from, want, size_t(n)) == 0;
    };
    switch (unit) {
    case 1:
        *next = at + 1;
        return at;
    case 2:
        if (!bigEndian) {
            if (at + 1 >= size)
                return -2;
            if (phase == 0 && b[at + 1] == 0) {
                *next = at + 2;
                return at;
            }
            // Out of step by one byte: CR LF as U+0D00 U+0A00 never occurs
            // in real text, so it is a line end seen through damage.
            if (phase == 1 && bytesAre(at - 2, "\r\0\n\0", 4)) {
                *next = at + 2;
                return at - 2;
            }
            return -1;
        }
        if (phase == 1 && at >= 1 && b[at - 1] == 0) {
            *next = at + 1;
            return at - 1;
        }
        if (phase == 0 && bytesAre(at - 3, "\0\r\0\n", 4)) {
            *next = at + 1;
            return at - 3;
        }
        return -1;
    default:
        if (!bigEndian) {
            if (at + 3 >= size)
                return -2;
            if (phase == 0 && bytesAre(at, "\n\0\0\0", 4)) {
                *next = at + 4;
                return at;
            }
            return -1;
        }
        if (phase == 3 && bytesAre(at - 3, "\0\0\0\n", 4)) {
            *next = at + 1;
            return at - 3;
        }
        return -1;
    }
}

// Where the last line end in `data` begins, with *next where the line
// after it starts; -1 when there is none. data[0] lies on a code-unit
// boundary counted from the file's start; a line end one byte out of step
// (a stray byte earlier) counts too, as for the forward read.
int lastLineEnd(const QByteArray &data, const Encoding &enc, int *next)
{
    const char *b = data.constData();
    for (int at = data.size() - 1; at >= 0; --at) {
        if (b[at] != '\n')
            continue;
        const int end = lineEndAt(b, data.size(), at, at % enc.unitSize, enc.unitSize, enc.bigEndian, next);
        if (end >= 0)
            return end;
    }
    return -1;
}

// A line as the game writes it, without its CR and the marks it starts with.
QString cleanLine(QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    int marks = 0;
    while (marks < line.size() && line.at(marks) == QChar(0xFEFF))
        ++marks;
    return marks ? line.mid(marks) : line;
}

} // namespace

QString ChatLogStream::lastLine(QFile *file, const std::function<bool(const QString &)> &wanted, qint64 maxBytes)
{
    // A stream may be reading the same file: it goes on where it was.
    struct Restore {
        QFile *file;
        qint64 pos;
        ~Restore() { file->seek(pos); }
    } restore{file, file->pos()};
    if (!file->seek(0))
        return QString();
    const Encoding enc = detectEncoding(file->read(4));
    const TextDecoder decoder(enc.codec);
    const qint64 size = file->size();
    qint64 limit = qMax<qint64>(enc.bomLength, size - maxBytes);
    limit += (enc.unitSize - (limit - enc.bomLength) % enc.unitSize) % enc.unitSize;
    // The part after the file's last line end is a line still being written.
    QByteArray data;
    qint64 pos = size;
    bool complete = false;
    while (pos > limit) {
        qint64 from = qMax(limit, pos - ChunkSize);
        from -= (from - enc.bomLength) % enc.unitSize;
        if (!file->seek(from))
            return QString();
        data.prepend(file->read(pos - from));
        pos = from;
        // data[0] lies on a code-unit boundary; each line after a line end is whole.
        int next = 0;
        int end = lastLineEnd(data, enc, &next);
        if (!complete && end >= 0) {
            data.truncate(end);
            complete = true;
            end = lastLineEnd(data, enc, &next);
        }
        while (complete && (end >= 0 || pos == enc.bomLength)) {
            const int start = end < 0 ? 0 : next;
            const QString line = cleanLine(decoder.decode(data.constData() + start, data.size() - start));
            if (wanted(line))
                return line;
            if (end < 0)
                return QString();
            data.truncate(end);
            end = lastLineEnd(data, enc, &next);
        }
    }
    return QString();
}

ChatLogStream::ChatLogStream(QFile *file, Start start)
    : m_file(file)
{
    // An empty file gets its encoding from its first bytes, read later, and
    // so does one read from its start.
    const qint64 size = m_file->size();
    if (size > 0 && start == FromEnd)
        startDecoding(size);
}

ChatLogStream::~ChatLogStream() = default;

bool ChatLogStream::startDecoding(qint64 position)
{
    if (!m_file->seek(0))
        return false;
    const Encoding enc = detectEncoding(m_file->read(4));
    // Stay on a code-unit boundary so that later text decodes correctly.
    qint64 start = qMax<qint64>(position, enc.bomLength);
    start -= (start - enc.bomLength) % enc.unitSize;
    // A log whose last line ends out of step (a stray byte earlier) is read
    // from that line end, else the first line written next would be lost.
    if (start != position && position - 4 >= enc.bomLength && m_file->seek(position - 4)) {
        const QByteArray tail = m_file->read(4);
        const int at = tail.lastIndexOf('\n');
        const int phase = int((position - 4 + at - enc.bomLength) % enc.unitSize);
        int next = 0;
        if (at >= 0 && lineEndAt(tail.constData(), tail.size(), at, phase, enc.unitSize, enc.bigEndian, &next) >= 0
            && next == tail.size())
            start = position;
    }
    if (!m_file->seek(start))
        return false;
    m_decoder = TextDecoder(enc.codec);
    m_unit = enc.unitSize;
    m_bigEndian = enc.bigEndian;
    m_pendingPos = m_lineStart = start;
    return true;
}

QString ChatLogStream::readLine()
{
    if (m_next >= m_lines.size()) {
        m_lines.clear();
        m_next = 0;
        fill();
    }
    if (m_next < m_lines.size())
        return m_lines.at(m_next++);
    return QString();
}

qint64 ChatLogStream::heldBytes() const
{
    qint64 n = m_pending.capacity() + m_buffer.capacity();
    for (int i = m_next; i < m_lines.size(); ++i)
        n += m_lines.at(i).size() * qint64(sizeof(QChar));
    return n;
}

void ChatLogStream::fill()
{
    if (!m_decoder.isValid()) {
        // Wait until the mark, if any, has been written whole.
        if (m_file->size() < 4 || !startDecoding(0))
            return;
    }
    if (m_buffer.size() != ChunkSize)
        m_buffer.resize(ChunkSize);
    for (int chunk = 0; chunk < MaxChunksPerRead && m_lines.isEmpty(); ++chunk) {
        const qint64 n = m_file->read(m_buffer.data(), ChunkSize);
        if (n <= 0)
            return;
        m_pending.append(m_buffer.constData(), int(n));
        split();
    }
}

// Whether the '\n' byte at m_pending[at] ends a line, as lineEndAt() tells.
int ChatLogStream::lineEnd(int at, int *next) const
{
    // Counted from the line's start: after damage that is out of step with
    // the file's start, and the lines that follow are whole again.
    const int phase = int((m_pendingPos + at - m_lineStart) % m_unit);
    return lineEndAt(m_pending.constData(), m_pending.size(), at, phase, m_unit, m_bigEndian, next);
}

void ChatLogStream::split()
{
    int i = m_scanned;
    while (i < m_pending.size()) {
        const void *found = memchr(m_pending.constData() + i, '\n', size_t(m_pending.size() - i));
        if (!found) {
            i = m_pending.size();
            break;
        }
        const int at = int(static_cast<const char *>(found) - m_pending.constData());
        int next = 0;
        const int end = lineEnd(at, &next);
        if (end == -2) {
            i = at;
            break;
        }
        if (end == -1) {
            i = at + 1;
            continue;
        }
        if (m_discarding) {
            m_discarding = false;
        } else {
            const int start = int(m_lineStart - m_pendingPos);
            finishLine(m_pending.constData() + start, end - start);
        }
        m_lineStart = m_pendingPos + next;
        i = next;
    }

    // Keep only the unfinished line, and not even that once it is too long;
    // a few bytes stay so that a line end split across reads is still seen.
    int drop = int(qMin<qint64>(m_lineStart - m_pendingPos, m_pending.size()));
    if (!m_discarding && m_pending.size() - drop > MaxLineBytes) {
        qWarning("Chat log line longer than %d bytes skipped", MaxLineBytes);
        m_discarding = true;
    }
    if (m_discarding)
        drop = qMax(drop, m_pending.size() - 3);
    if (drop > 0) {
        m_pending.remove(0, drop);
        m_pendingPos += drop;
        i -= drop;
    }
    m_scanned = qMax(0, i);
}

void ChatLogStream::finishLine(const char *data, int size)
{
    // The game starts every line it appends with a byte-order mark.
    const QString line = cleanLine(m_decoder.decode(data, size));
    // Never null: a null string tells readLine() found none.
    m_lines.append(line.isNull() ? QString(QLatin1String("")) : line);
}
