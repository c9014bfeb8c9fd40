// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHATLOGSTREAM_H
#define CHATLOGSTREAM_H

#include "app/qtcompat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QFile;

// Reads the lines a game client appends to one chat log, from the moment it
// is created. Finds the encoding from the byte-order mark (UTF-16 and UTF-32
// either way round, else UTF-8) and starts at the end of the file without
// reading what is already there. A line is only handed out once its line end
// has been written. Lines are cut at the byte level and decoded one by one,
// so damage stays within its line: an odd number of stray bytes in a UTF-16
// log is caught up at the next CR LF, and an unfinished line longer than
// MaxLineBytes bytes (in whatever encoding) is dropped up to its line end.
class ChatLogStream
{
public:
    static constexpr int MaxLineBytes = 256 * 1024;
    static constexpr int ChunkSize = 64 * 1024;

    enum Start { FromEnd, FromStart };

    // `file` must be open for reading; it is not owned. FromStart reads the
    // lines already there too: a log that was created while listening.
    explicit ChatLogStream(QFile *file, Start start = FromEnd);
    ~ChatLogStream();
    ChatLogStream(const ChatLogStream &) = delete;
    ChatLogStream &operator=(const ChatLogStream &) = delete;

    // The next complete line without its line end (an empty line is an
    // empty string), or a null string when no line is complete yet.
    QString readLine();

    // The last complete line of `file` (open for reading) that `wanted`
    // accepts, searched backwards from the end through at most `maxBytes`,
    // so that the time it takes does not grow with the log. Empty: none.
    // The file is left at the position it had.
    static QString lastLine(QFile *file, const std::function<bool(const QString &)> &wanted,
                            qint64 maxBytes = TailBytes);
    // About ten thousand lines of a UTF-16 log.
    static constexpr qint64 TailBytes = 2 * 1024 * 1024;

    // Bytes held for the unfinished line and lines not yet handed out.
    qint64 heldBytes() const;

private:
    bool startDecoding(qint64 position);
    void fill();
    void split();
    int lineEnd(int at, int *next) const;
    void finishLine(const char *data, int size);

    QFile *m_file;
    TextDecoder m_decoder;
    int m_unit = 1;
    bool m_bigEndian = false;
    QByteArray m_buffer;
    QByteArray m_pending;     // bytes read but not yet cut into lines
    qint64 m_pendingPos = 0;  // file offset of m_pending[0]
    qint64 m_lineStart = 0;   // file offset of the unfinished line
    int m_scanned = 0;        // bytes of m_pending searched for a line end
    bool m_discarding = false;
    QStringList m_lines;
    int m_next = 0;
};

#endif
