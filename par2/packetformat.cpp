#include "packetformat.h"

#include <cstring>

namespace {

PacketFormat::Type type(const char (&text)[17])
{
    PacketFormat::Type t{};
    std::memcpy(t.data(), text, 16);
    return t;
}

void put(QByteArray& out, const Md5Digest& d)
{
    out.append(reinterpret_cast<const char*>(d.data()), qsizetype(d.size()));
}

void padTo4(QByteArray& out)
{
    while (out.size() % 4)
        out.append('\0');
}

} // namespace

const uint8_t PacketFormat::Magic[8] = {'P', 'A', 'R', '2', 0, 'P', 'K', 'T'};
const PacketFormat::Type PacketFormat::Main = type("PAR 2.0\0Main\0\0\0\0");
const PacketFormat::Type PacketFormat::FileDescription = type("PAR 2.0\0FileDesc");
const PacketFormat::Type PacketFormat::SliceChecksums = type("PAR 2.0\0IFSC\0\0\0\0");
const PacketFormat::Type PacketFormat::RecoverySlice = type("PAR 2.0\0RecvSlic");
const PacketFormat::Type PacketFormat::Creator = type("PAR 2.0\0Creator\0");

void PacketFormat::putU32(QByteArray& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char(v >> (8 * i)));
}

void PacketFormat::putU64(QByteArray& out, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.append(char(v >> (8 * i)));
}

uint32_t PacketFormat::u32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint64_t PacketFormat::u64(const uint8_t* p)
{
    return uint64_t(u32(p)) | uint64_t(u32(p + 4)) << 32;
}

QByteArray PacketFormat::packet(const Md5Digest& setId, const Type& type, const QByteArray& body)
{
    QByteArray tail;
    put(tail, setId);
    tail.append(reinterpret_cast<const char*>(type.data()), 16);
    tail.append(body);
    QByteArray out(reinterpret_cast<const char*>(Magic), 8);
    putU64(out, uint64_t(HeaderSize + body.size()));
    put(out, Md5Hash::of(tail.constData(), size_t(tail.size())));
    out.append(tail);
    return out;
}

Md5Hash PacketFormat::recoveryHash(const Md5Digest& setId, uint32_t exponent)
{
    QByteArray head;
    put(head, setId);
    head.append(reinterpret_cast<const char*>(RecoverySlice.data()), 16);
    putU32(head, exponent);
    Md5Hash hash;
    hash.add(head.constData(), size_t(head.size()));
    return hash;
}

QByteArray PacketFormat::recoveryHeader(const Md5Digest& setId, uint32_t exponent, uint64_t sliceSize,
                                        const Md5Digest& packetHash)
{
    QByteArray out(reinterpret_cast<const char*>(Magic), 8);
    putU64(out, uint64_t(RecoveryHeaderSize) + sliceSize);
    put(out, packetHash);
    put(out, setId);
    out.append(reinterpret_cast<const char*>(RecoverySlice.data()), 16);
    putU32(out, exponent);
    return out;
}

QByteArray PacketFormat::mainBody(uint64_t sliceSize, const std::vector<Md5Digest>& recoveryFileIds)
{
    QByteArray body;
    putU64(body, sliceSize);
    putU32(body, uint32_t(recoveryFileIds.size()));
    for (const Md5Digest& id : recoveryFileIds)
        put(body, id);
    return body;
}

QByteArray PacketFormat::fileDescriptionBody(const DescribedFile& file)
{
    QByteArray body;
    put(body, file.id);
    put(body, file.hash);
    put(body, file.hash16k);
    putU64(body, file.length);
    body.append(file.name);
    padTo4(body);
    return body;
}

qint64 PacketFormat::fileDescriptionSize(const QByteArray& name)
{
    return HeaderSize + 56 + (name.size() + 3) / 4 * 4;
}

QByteArray PacketFormat::sliceChecksumBody(const DescribedFile& file)
{
    QByteArray body;
    put(body, file.id);
    for (const SliceChecksum& s : file.slices) {
        put(body, s.md5);
        putU32(body, s.crc32);
    }
    return body;
}

qint64 PacketFormat::sliceChecksumSize(uint64_t slices)
{
    return HeaderSize + 16 + 20 * qint64(slices);
}

QByteArray PacketFormat::creatorBody(const QByteArray& text)
{
    QByteArray body = text;
    padTo4(body);
    return body;
}

Md5Digest PacketFormat::fileId(const Md5Digest& hash16k, uint64_t length, const QByteArray& name)
{
    QByteArray data;
    put(data, hash16k);
    putU64(data, length);
    data.append(name);
    return Md5Hash::of(data.constData(), size_t(data.size()));
}

bool PacketFormat::idLess(const Md5Digest& a, const Md5Digest& b)
{
    for (int i = 15; i >= 0; --i)
        if (a[size_t(i)] != b[size_t(i)])
            return a[size_t(i)] < b[size_t(i)];
    return false;
}
