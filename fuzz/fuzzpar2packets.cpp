// A .par2 file as bytes, from any client or damaged: its packets are read,
// then the set it describes is loaded and checked against the folder.
// Besides not crashing or allocating without bound:
// - every recovery slice found lies inside the file;
// - every slice checksum and name found came out of the file's own bytes;
// - a set that loads names only files inside its folder and has no more
//   slices than the format allows.
#include "fuzzinput.h"

#include "par2/packetformat.h"
#include "par2/packetreader.h"
#include "par2/recoverysetverifier.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quietQtWarnings();
    const FuzzInput input(data, size);
    QByteArray bytes = input.all();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PacketReader::Packets packets = PacketReader::read(buffer);
    const qint64 total = bytes.size();
    for (const auto& r : packets.recovery)
        FUZZ_CHECK(r.dataOffset >= PacketFormat::RecoveryHeaderSize && r.dataBytes >= 0
                       && r.dataOffset + r.dataBytes <= total,
                   QString::number(r.dataOffset));
    for (const auto& c : packets.checksums)
        FUZZ_CHECK(qint64(c.slices.size()) * 20 <= total, QString::number(c.slices.size()));
    for (const auto& d : packets.descriptions)
        FUZZ_CHECK(d.file.name.size() <= total, QString::number(d.file.name.size()));

    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("fuzz.par2"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    RecoverySetVerifier::Options options;
    options.threads = 1;
    const auto check = RecoverySetVerifier::verify(path, options);
    if (check.ok) {
        uint64_t slices = 0;
        for (const auto& f : check.files) {
            FUZZ_CHECK(f.path.startsWith(dir.path() + u'/') && !f.path.contains(QLatin1String("/../")), f.path);
            slices += f.good.size();
        }
        FUZZ_CHECK(slices <= PacketFormat::MaxInputSlices, QString::number(slices));
    }
    return 0;
}
