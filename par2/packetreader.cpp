#include "packetreader.h"

#include "packetformat.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstring>

namespace {

Md5Digest digestAt(const uint8_t* p)
{
    Md5Digest d;
    std::memcpy(d.data(), p, 16);
    return d;
}

bool isType(const uint8_t* p, const PacketFormat::Type& type)
{
    return std::memcmp(p, type.data(), 16) == 0;
}

// The body of a packet other than a recovery slice, already checked.
void parse(const Md5Digest& setId, const uint8_t* type, const QByteArray& bodyBytes, PacketReader::Packets& out)
{
    const auto* body = reinterpret_cast<const uint8_t*>(bodyBytes.constData());
    const qint64 size = bodyBytes.size();
    if (isType(type, PacketFormat::Main)) {
        if (size < 12)
            return;
        PacketReader::Main m;
        m.setId = setId;
        m.sliceSize = PacketFormat::u64(body);
        const uint32_t count = PacketFormat::u32(body + 8);
        if ((size - 12) % 16 != 0 || uint64_t(count) > uint64_t(size - 12) / 16)
            return;
        for (uint32_t i = 0; i < count; ++i)
            m.recoveryFileIds.push_back(digestAt(body + 12 + 16 * i));
        out.mains.push_back(std::move(m));
    } else if (isType(type, PacketFormat::FileDescription)) {
        if (size < 56)
            return;
        PacketReader::Description d;
        d.setId = setId;
        d.file.id = digestAt(body);
        d.file.hash = digestAt(body + 16);
        d.file.hash16k = digestAt(body + 32);
        d.file.length = PacketFormat::u64(body + 48);
        QByteArray name = bodyBytes.mid(56);
        const qsizetype end = name.indexOf('\0');
        if (end >= 0)
            name.truncate(end);
        d.file.name = name;
        out.descriptions.push_back(std::move(d));
    } else if (isType(type, PacketFormat::SliceChecksums)) {
        if (size < 16 || (size - 16) % 20 != 0)
            return;
        PacketReader::Checksums c;
        c.setId = setId;
        c.fileId = digestAt(body);
        for (qint64 at = 16; at < size; at += 20)
            c.slices.push_back({digestAt(body + at), PacketFormat::u32(body + at + 16)});
        out.checksums.push_back(std::move(c));
    } else if (isType(type, PacketFormat::Creator)) {
        QByteArray text = bodyBytes;
        const qsizetype end = text.indexOf('\0');
        if (end >= 0)
            text.truncate(end);
        out.creators.push_back(text.left(1024));
    }
}

} // namespace

PacketReader::Packets PacketReader::read(QIODevice& device)
{
    Packets out;
    const qint64 fileSize = device.size();
    const QByteArrayView magic(reinterpret_cast<const char*>(PacketFormat::Magic), 8);
    constexpr qint64 Window = 1 << 20;
    qint64 pos = 0;
    QByteArray buffer;
    while (pos + PacketFormat::HeaderSize <= fileSize) {
        // The next magic at or after pos.
        if (!device.seek(pos))
            break;
        buffer = device.read(std::min(Window, fileSize - pos));
        if (buffer.size() < 8)
            break;
        const qsizetype found = QByteArrayView(buffer).indexOf(magic);
        if (found < 0) {
            pos += buffer.size() - 7;
            continue;
        }
        const qint64 start = pos + found;
        pos = start + 1; // where to look again if this is no packet
        if (start + PacketFormat::HeaderSize > fileSize || !device.seek(start))
            break;
        const QByteArray header = device.read(PacketFormat::HeaderSize);
        if (header.size() != PacketFormat::HeaderSize)
            break;
        const auto* h = reinterpret_cast<const uint8_t*>(header.constData());
        const uint64_t length = PacketFormat::u64(h + 8);
        if (length < uint64_t(PacketFormat::HeaderSize) || length % 4 != 0 || length > uint64_t(fileSize - start))
            continue;
        const Md5Digest expected = digestAt(h + 16);
        const Md5Digest setId = digestAt(h + 32);
        const uint8_t* type = h + 48;
        const qint64 bodyBytes = qint64(length) - PacketFormat::HeaderSize;
        Md5Hash hash;
        hash.add(h + 32, 32);

        if (isType(type, PacketFormat::RecoverySlice)) {
            if (bodyBytes < 4)
                continue;
            const QByteArray exponent = device.read(4);
            if (exponent.size() != 4)
                break;
            hash.add(exponent.constData(), 4);
            qint64 left = bodyBytes - 4;
            bool complete = true;
            while (left > 0) {
                const QByteArray chunk = device.read(std::min(Window, left));
                if (chunk.isEmpty()) {
                    complete = false;
                    break;
                }
                hash.add(chunk.constData(), size_t(chunk.size()));
                left -= chunk.size();
            }
            if (!complete || hash.digest() != expected)
                continue;
            out.recovery.push_back({setId, PacketFormat::u32(reinterpret_cast<const uint8_t*>(exponent.constData())),
                                    start + PacketFormat::RecoveryHeaderSize, bodyBytes - 4});
        } else {
            if (bodyBytes > MaxPacketBytes)
                continue;
            const QByteArray body = device.read(bodyBytes);
            if (body.size() != bodyBytes)
                break;
            hash.add(body.constData(), size_t(body.size()));
            if (hash.digest() != expected)
                continue;
            parse(setId, type, body, out);
        }
        pos = start + qint64(length);
    }
    return out;
}
