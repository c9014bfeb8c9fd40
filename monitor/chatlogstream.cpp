#include "monitor/chatlogstream.h"

#include <QFile>
#include <QTextCodec>
#include <QtDebug>

namespace {

// The most data one tick reads from one log: bounds the time a tick takes
// while a huge unfinished line is being skipped.
constexpr int MaxChunksPerRead = 16;

struct Encoding {
    const char *codec;
    int bomLength;
    int unitSize;
};

Encoding detectEncoding(const QByteArray &head)
{
    const auto starts = [&head](const char *bom, int n) {
        return head.size() >= n && memcmp(head.constData(), bom, size_t(n)) == 0;
    };
    if (starts("\xFF\xFE\x00\x00", 4))
        return {"UTF-32LE", 4, 4};
    if (starts("\x00\x00\xFE\xFF", 4))
        return {"UTF-32BE", 4, 4};
    if (starts("\xFF\xFE", 2))
        return {"UTF-16LE", 2, 2};
    if (starts("\xFE\xFF", 2))
        return {"UTF-16BE", 2, 2};
    if (starts("\xEF\xBB\xBF", 3))
        return {"UTF-8", 3, 1};
    return {"UTF-8", 0, 1};
}

} // namespace

ChatLogStream::ChatLogStream(QFile *file)
    : m_file(file)
{
    // An empty file gets its encoding from its first bytes, read later.
    const qint64 size = m_file->size();
    if (size > 0)
        startDecoding(size);
}

ChatLogStream::~ChatLogStream() = default;

bool ChatLogStream::startDecoding(qint64 position)
{
    if (!m_file->seek(0))
        return false;
    const QByteArray head = m_file->read(4);
    const Encoding enc = detectEncoding(head);
    // Stay on a code-unit boundary so that later text decodes correctly.
    qint64 start = qMax<qint64>(position, enc.bomLength);
    start -= (start - enc.bomLength) % enc.unitSize;
    if (!m_file->seek(start))
        return false;
    m_decoder.reset(QTextCodec::codecForName(enc.codec)->makeDecoder(QTextCodec::IgnoreHeader));
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

qint64 ChatLogStream::heldCharacters() const
{
    qint64 n = m_partial.capacity();
    for (int i = m_next; i < m_lines.size(); ++i)
        n += m_lines.at(i).size();
    return n;
}

void ChatLogStream::fill()
{
    if (!m_decoder) {
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
        take(m_decoder->toUnicode(m_buffer.constData(), int(n)));
    }
}

void ChatLogStream::take(const QString &text)
{
    int start = 0;
    for (int end = text.indexOf(QLatin1Char('\n')); end >= 0;
         start = end + 1, end = text.indexOf(QLatin1Char('\n'), start)) {
        if (m_discarding) {
            m_discarding = false;
            continue;
        }
        if (m_partial.isEmpty()) {
            finishLine(text.mid(start, end - start));
        } else {
            m_partial.append(QStringView(text).mid(start, end - start));
            finishLine(m_partial);
            m_partial = QString();
        }
    }
    if (m_discarding || start == text.size())
        return;
    m_partial.append(QStringView(text).mid(start));
    if (m_partial.size() > MaxLineLength) {
        qWarning("Chat log line longer than %d characters skipped", MaxLineLength);
        m_partial = QString();
        m_discarding = true;
    }
}

void ChatLogStream::finishLine(QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    // The game starts every line it appends with a byte-order mark.
    int marks = 0;
    while (marks < line.size() && line.at(marks) == QChar(0xFEFF))
        ++marks;
    m_lines.append(marks ? line.mid(marks) : line);
}
