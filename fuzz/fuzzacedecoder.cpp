// ACE's LZ77 decoder on untrusted bytes, and the encoder and decoder on
// each other. The first line gives a level (1 to 5) and the size of the
// file to unpack; the rest is the data. Besides not crashing or hanging:
// - the rest, unpacked as a file of that size, gives at most that many
//   bytes, and exactly that many when it unpacks;
// - the rest, packed at the level and unpacked again, comes back unchanged.
#include "fuzzinput.h"

#include "acelz77decoder.h"
#include "acelz77encoder.h"

#include <QList>

#include <algorithm>

namespace {

AceLz77Decoder::Status unpack(AceLz77Decoder& decoder, const QByteArray& packed, uint64_t size, QByteArray& out)
{
    qsizetype at = 0;
    // Small pieces, so that words and tables straddle them.
    const auto input = [&](char* data, qint64 max) -> qint64 {
        const qint64 n = std::min<qint64>({max, packed.size() - at, 5});
        std::copy_n(packed.constData() + at, n, data);
        at += n;
        return n;
    };
    return decoder.decode(size, input, [&](const char* data, std::size_t n) { out.append(data, qsizetype(n)); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QList<QByteArray> settings = input.line().split(' ');
    const int level = std::clamp(settings.value(0).toInt(), 1, 5);
    // Up to 256 KiB: a short stream of long matches unpacks to a great deal.
    const uint64_t unpackedSize = std::min<uint64_t>(settings.value(1).toULongLong(), 256u << 10);
    const QByteArray rest = input.rest();

    static AceLz77Decoder decoder;
    QByteArray out;
    const AceLz77Decoder::Status status = unpack(decoder, rest, unpackedSize, out);
    FUZZ_CHECK(uint64_t(out.size()) <= unpackedSize, QStringLiteral("too many bytes"));
    FUZZ_CHECK(status != AceLz77Decoder::Status::InputFailed, QStringLiteral("no input failed"));
    if (status == AceLz77Decoder::Status::Done) {
        FUZZ_CHECK(uint64_t(out.size()) == unpackedSize, QStringLiteral("too few bytes"));
    }

    AceLz77Encoder encoder(AceLz77Encoder::forLevel(level, uint64_t(rest.size())));
    QByteArray packed;
    encoder.write(rest.constData(), std::size_t(rest.size()), packed);
    encoder.finish(packed);
    QByteArray back;
    FUZZ_CHECK(unpack(decoder, packed, uint64_t(rest.size()), back) == AceLz77Decoder::Status::Done,
               decoder.error());
    FUZZ_CHECK(back == rest, QStringLiteral("level %1: %2 bytes came back as %3").arg(level).arg(rest.size()).arg(back.size()));
    return 0;
}
