#include "storeddata.h"

#include <algorithm>

StoredData::StoredData(const SourceEntry& entry, qint64 pieceSize)
    : m_entry(entry)
    , m_size(entry.size)
    , m_pieceSize(pieceSize)
{
}

bool StoredData::fail(const QString& text)
{
    m_error = text;
    return false;
}

bool StoredData::next(QByteArray& out)
{
    if (!m_error.isEmpty())
        return false;
    // Opened even for an empty file, so that an unreadable one is reported.
    if (!m_file.isOpen()) {
        QString why;
        if (!openForReading(m_entry, m_file, &why))
            return fail(QStringLiteral("cannot read %1: %2").arg(m_entry.hostPath, why));
    }
    if (m_done == m_size)
        return false;
    const qint64 want = qint64(std::min<uint64_t>(m_size - m_done, uint64_t(m_pieceSize)));
    out.resize(want);
    const qint64 got = m_file.read(out.data(), want);
    if (got < 0)
        return fail(QStringLiteral("cannot read %1: %2").arg(m_entry.hostPath, m_file.errorString()));
    if (got == 0)
        return fail(QStringLiteral("%1 became shorter while it was being stored").arg(m_entry.hostPath));
    out.resize(got);
    m_crc.update(out);
    m_done += uint64_t(got);
    return true;
}
