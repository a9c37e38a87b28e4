#include "volumestream.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr qint64 BufferSize = 256 * 1024;
} // namespace

VolumeStream::VolumeStream(QIODevice& device)
    : m_device(device)
    , m_buffer(BufferSize, Qt::Uninitialized)
{
}

bool VolumeStream::fill()
{
    if (m_begin < m_end)
        return true;
    if (m_eof || failed())
        return false;
    m_begin = m_end = 0;
    const qint64 got = m_device.read(m_buffer.data(), BufferSize);
    if (got < 0) {
        m_error = m_device.errorString();
        return false;
    }
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_end = got;
    return true;
}

const char* VolumeStream::take(qint64 max, qint64* got)
{
    *got = 0;
    if (max <= 0 || !fill())
        return nullptr;
    *got = std::min(max, m_end - m_begin);
    const char* at = m_buffer.constData() + m_begin;
    m_begin += *got;
    m_position += *got;
    return at;
}

bool VolumeStream::readExact(char* data, qint64 size)
{
    while (size > 0) {
        qint64 got = 0;
        const char* at = take(size, &got);
        if (!at)
            return false;
        std::memcpy(data, at, std::size_t(got));
        data += got;
        size -= got;
    }
    return true;
}

bool VolumeStream::skip(qint64 size)
{
    while (size > 0) {
        qint64 got = 0;
        if (!take(size, &got))
            return false;
        size -= got;
    }
    return true;
}

bool VolumeStream::atEnd()
{
    return !fill();
}
