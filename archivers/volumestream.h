#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// A volume read once from start to end through a buffer of its own, in the
// steps an archive reader takes: headers of a known size, data in pieces
// handed out without a copy, and skips.
class VolumeStream {
public:
    explicit VolumeStream(QIODevice& device);

    // Exactly size bytes; false at the end of the volume or on a read error.
    bool readExact(char* data, qint64 size);
    // Up to max buffered bytes, passed over: their count goes to *got, 0 at
    // the end of the volume or on a read error.
    const char* take(qint64 max, qint64* got);
    bool skip(qint64 size);
    // Whether no byte follows; reads ahead to know.
    bool atEnd();

    qint64 position() const { return m_position; }
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }

private:
    bool fill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qint64 m_begin = 0; // unread bytes are m_buffer[m_begin, m_end)
    qint64 m_end = 0;
    qint64 m_position = 0;
    bool m_eof = false;
    QString m_error;
};
