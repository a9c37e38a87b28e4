#pragma once

#include <QByteArray>
#include <QIODevice>
#include <optional>

// Lines of a description or information file, as bytes (code page 437 is
// never transcoded). A line ends at CR or at CR LF; a lone LF stays part of
// the line. The file is read in pieces, so its size does not matter.
class ByteLineReader
{
public:
    // pieceSize is how much is read at a time.
    explicit ByteLineReader(QIODevice& device, qint64 pieceSize = 64 * 1024);

    // The next line without its end; empty at the end of the data. A read
    // error also ends the lines: failed() tells the two apart.
    std::optional<QByteArray> next();
    bool failed() const { return m_failed; }

private:
    bool fill();

    QIODevice& m_device;
    qint64 m_pieceSize;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_failed = false;
};
