#ifndef CHATLOGSTREAM_H
#define CHATLOGSTREAM_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QFile;
class QTextDecoder;

// Reads the lines a game client appends to one chat log, from the moment it
// is created. Finds the encoding from the byte-order mark (UTF-16 and UTF-32
// either way round, else UTF-8) and starts at the end of the file without
// reading what is already there. A line is only handed out once its line end
// has been written; an unfinished line longer than MaxLineLength characters
// is dropped up to its line end so that memory stays bounded.
class ChatLogStream
{
public:
    static constexpr int MaxLineLength = 64 * 1024;
    static constexpr int ChunkSize = 64 * 1024;

    // `file` must be open for reading; it is not owned.
    explicit ChatLogStream(QFile *file);
    ~ChatLogStream();
    ChatLogStream(const ChatLogStream &) = delete;
    ChatLogStream &operator=(const ChatLogStream &) = delete;

    // The next complete line without its line end, or an empty string when
    // no line has been completed since the last call.
    QString readLine();

    // Characters held for the unfinished line and lines not yet handed out.
    qint64 heldCharacters() const;

private:
    bool startDecoding(qint64 position);
    void fill();
    void take(const QString &text);
    void finishLine(QString line);

    QFile *m_file;
    std::unique_ptr<QTextDecoder> m_decoder;
    QByteArray m_buffer;
    QString m_partial;
    QStringList m_lines;
    int m_next = 0;
    bool m_discarding = false;
};

#endif
