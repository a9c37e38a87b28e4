#include "volumesinmemory.h"

#include <QBuffer>

VolumesInMemory::VolumesInMemory(QList<QByteArray> volumes, QList<QString> names)
    : m_volumes(std::move(volumes))
    , m_names(std::move(names))
{
}

QString VolumesInMemory::name(int index) const
{
    if (index >= 0 && index < m_names.size())
        return m_names[index];
    return QStringLiteral("volume %1").arg(index + 1);
}

VolumeOpener::Opened VolumesInMemory::open(int index)
{
    Opened opened;
    if (index < 0 || index >= m_volumes.size()) {
        opened.missing = true;
        return opened;
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(m_volumes[index]);
    buffer->open(QIODevice::ReadOnly);
    opened.device = std::move(buffer);
    return opened;
}
