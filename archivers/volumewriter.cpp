#include "volumewriter.h"

VolumeWriter::VolumeWriter(std::function<QString(int)> pathForIndex)
    : m_pathForIndex(std::move(pathForIndex))
{
}

VolumeWriter::~VolumeWriter()
{
    if (m_file.isOpen())
        m_file.close();
}

bool VolumeWriter::fail(const QString& what)
{
    m_error = QStringLiteral("%1 %2: %3").arg(what, m_file.fileName(), m_file.errorString());
    return false;
}

bool VolumeWriter::open(int index)
{
    if (m_file.isOpen() && !close())
        return false;
    m_file.setFileName(m_pathForIndex(index));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot create"));
    m_paths.append(m_file.fileName());
    m_position = 0;
    return true;
}

bool VolumeWriter::write(const char* data, qint64 size)
{
    if (m_file.write(data, size) != size)
        return fail(QStringLiteral("cannot write"));
    m_position += size;
    return true;
}

bool VolumeWriter::rewrite(qint64 offset, const QByteArray& bytes)
{
    if (!m_file.seek(offset) || m_file.write(bytes) != bytes.size() || !m_file.seek(m_position))
        return fail(QStringLiteral("cannot write"));
    return true;
}

bool VolumeWriter::close()
{
    if (!m_file.isOpen())
        return true;
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot finish"));
    return true;
}

void VolumeWriter::removeAll()
{
    if (m_file.isOpen())
        m_file.close();
    for (const QString& path : std::as_const(m_paths))
        QFile::remove(path);
    m_paths.clear();
}
