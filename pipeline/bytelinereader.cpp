#include "pipeline/bytelinereader.h"

ByteLineReader::ByteLineReader(QIODevice& device, qint64 pieceSize)
    : m_device(device)
    , m_pieceSize(qMax<qint64>(pieceSize, 1))
{
}

bool ByteLineReader::fill()
{
    if (m_failed)
        return false;
    m_buffer.resize(m_pieceSize);
    const qint64 n = m_device.read(m_buffer.data(), m_pieceSize);
    if (n < 0)
        m_failed = true;
    m_buffer.resize(qMax<qint64>(n, 0));
    m_pos = 0;
    return n > 0;
}

std::optional<QByteArray> ByteLineReader::next()
{
    QByteArray line;
    for (;;) {
        if (m_pos >= m_buffer.size() && !fill()) {
            if (line.isEmpty())
                return std::nullopt;
            return line;
        }
        const qsizetype cr = m_buffer.indexOf('\r', m_pos);
        if (cr < 0) {
            line += QByteArrayView(m_buffer).sliced(m_pos);
            m_pos = m_buffer.size();
            continue;
        }
        line += QByteArrayView(m_buffer).sliced(m_pos, cr - m_pos);
        m_pos = cr + 1;
        if (m_pos >= m_buffer.size())
            fill();
        if (m_pos < m_buffer.size() && m_buffer[m_pos] == '\n')
            ++m_pos;
        return line;
    }
}
