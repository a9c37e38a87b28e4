#include "platform/paralleldeflate.h"
#include "platform/wholefiledeflate.h"

#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

QByteArray mixed(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    static const char* const words[] = {"volume ", "archive ", "sector ", "track ", "header ", "index\r\n"};
    QByteArray bytes;
    while (bytes.size() < size) {
        switch (bytes.size() / 50000 % 3) {
        case 0: bytes += words[random.bounded(6)]; break;
        case 1: bytes += char(random.bounded(256)); break;
        default: bytes += QByteArray(1000, '\0'); break;
        }
    }
    return bytes.left(size);
}

// Inflates a raw deflate stream; "<bad stream>" when zlib refuses it or it
// does not end where the bytes end.
QByteArray inflateRaw(const QByteArray& deflated)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return "<no zlib>";
    QByteArray out;
    char buffer[65536];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.constData()));
    z.avail_in = uInt(deflated.size());
    int r = Z_OK;
    while (r == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        r = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - z.avail_out));
    }
    const bool whole = r == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    return whole ? out : QByteArray("<bad stream>");
}

QByteArray deflateInParts(ParallelDeflate& deflate, const QByteArray& input, int level, std::uint32_t* crc = nullptr)
{
    deflate.start(level);
    QByteArray out;
    qsizetype at = 0;
    while (!deflate.finished()) {
        while (deflate.wantsInput()) {
            const QByteArray part = input.mid(at, ParallelDeflate::kPartBytes);
            at += part.size();
            deflate.push(part, at >= input.size());
        }
        QByteArray piece;
        EXPECT_TRUE(deflate.take(&piece));
        out += piece;
    }
    if (crc)
        *crc = deflate.crc();
    return out;
}

QByteArray deflateWhole(const QByteArray& input, int level)
{
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&z, uLong(input.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
    z.avail_in = uInt(input.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.truncate(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

} // namespace

TEST(ParallelDeflate, PartsJoinIntoOneStreamThatInflatesToTheInputWithItsCrc)
{
    ParallelDeflate deflate(2);
    const qsizetype part = ParallelDeflate::kPartBytes;
    for (const qsizetype size : {qsizetype(0), qsizetype(1), part - 1, part, part + 1, 11 * part + 12345}) {
        const QByteArray input = mixed(size, quint32(size));
        std::uint32_t crc = 0;
        const QByteArray out = deflateInParts(deflate, input, 6, &crc);
        EXPECT_EQ(inflateRaw(out), input) << size;
        EXPECT_EQ(crc, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(input.constData()), uInt(input.size()))))
            << size;
        EXPECT_EQ(deflate.inputBytes(), std::uint64_t(size));
    }
}

TEST(ParallelDeflate, EveryLevelPacksAboutAsTightlyAsOneStream)
{
    // Without the previous part as dictionary every seam would start from
    // nothing; text shows it at once.
    ParallelDeflate deflate;
    const QByteArray input = mixed(40 * ParallelDeflate::kPartBytes / 3, 7).replace('\0', 'z');
    for (const int level : {1, 6, 9}) {
        const QByteArray parts = deflateInParts(deflate, input, level);
        const QByteArray whole = deflateWhole(input, level);
        EXPECT_EQ(inflateRaw(parts), input) << level;
        EXPECT_LT(double(parts.size()), double(whole.size()) * 1.01) << level;
    }
    EXPECT_LT(deflateInParts(deflate, input, 9).size(), deflateInParts(deflate, input, 1).size());
}

TEST(ParallelDeflate, HoldsABoundedNumberOfPartsAndCanDropAStreamPartWay)
{
    ParallelDeflate deflate(2);
    EXPECT_EQ(deflate.workers(), 2);
    deflate.start(6);
    const QByteArray part = mixed(ParallelDeflate::kPartBytes, 3);
    int pushed = 0;
    while (deflate.wantsInput()) {
        deflate.push(part, false);
        ++pushed;
    }
    EXPECT_EQ(pushed, deflate.maxPartsInFlight());
    QByteArray piece;
    ASSERT_TRUE(deflate.take(&piece));
    EXPECT_TRUE(deflate.wantsInput());

    // A stream dropped with parts still on the workers leaves the next
    // stream whole.
    const QByteArray next = mixed(3 * ParallelDeflate::kPartBytes, 4);
    EXPECT_EQ(inflateRaw(deflateInParts(deflate, next, 6)), next);
}

namespace {

// A file of its own in a fresh folder, for the whole-file deflater.
struct FileFixture {
    QTemporaryDir dir;
    QByteArray put(const char* name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return QFile::encodeName(path);
    }
};

std::uint32_t crcOf(const QByteArray& bytes)
{
    return std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

} // namespace

TEST(WholeFileDeflate, FilesPreparedOrNotComeBackDeflatedWithTheirCrcAndAChangedOneIsReadAgain)
{
    FileFixture files;
    WholeFileDeflate whole(2);
    const QByteArray a = mixed(700000, 1), b = mixed(300000, 2), c = mixed(100000, 3);
    const QByteArray pathA = files.put("a.r00", a), pathB = files.put("b.r01", b), pathC = files.put("c.r02", c);
    whole.prepare(pathA, 6);
    whole.prepare(pathB, 6);
    whole.prepare(pathB, 6);
    EXPECT_EQ(whole.pending(), 2) << "a file is prepared once";

    int waits = 0;
    const auto counting = [&] { return ++waits > 0; };
    for (const auto& [path, bytes] : {std::pair{pathA, a}, std::pair{pathB, b}, std::pair{pathC, c}}) {
        const auto result = whole.take(path, 6, counting);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->error, 0);
        EXPECT_EQ(inflateRaw(result->deflated), bytes);
        EXPECT_EQ(result->crc, crcOf(bytes));
        EXPECT_EQ(result->size, std::uint64_t(bytes.size()));
    }
    EXPECT_EQ(whole.pending(), 0);

    // Read ahead, then changed before it is taken: the new bytes go in.
    whole.prepare(pathA, 6);
    const QByteArray changed = mixed(650000, 9);
    files.put("a.r00", changed);
    EXPECT_EQ(inflateRaw(whole.take(pathA, 6, counting)->deflated), changed);

    const auto missing = whole.take(files.dir.filePath(QStringLiteral("gone")).toUtf8(), 6, counting);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->error, ENOENT);

    // Forgotten files, and a take that is given up while it waits.
    whole.prepare(pathA, 9);
    whole.prepare(pathB, 9);
    whole.keepOnly({pathB});
    EXPECT_EQ(whole.pending(), 1);
    whole.keepOnly({});
    EXPECT_FALSE(whole.take(pathA, 9, [] { return false; }));
    EXPECT_EQ(whole.pending(), 0);
}

TEST(WholeFileDeflate, MaximumIsNoLargerThanNormalAndEveryLevelInflates)
{
    FileFixture files;
    WholeFileDeflate whole(1);
    const QByteArray text = mixed(900000, 5).replace('\0', 'q');
    const QByteArray path = files.put("t.r00", text);
    QMap<int, qsizetype> sizes;
    for (int level = 1; level <= 9; ++level) {
        const QByteArray deflated = whole.take(path, level, {})->deflated;
        EXPECT_EQ(inflateRaw(deflated), text) << level;
        sizes[level] = deflated.size();
    }
    EXPECT_LE(sizes[9], sizes[6]);
    EXPECT_LE(sizes[6], sizes[4]);
    EXPECT_LE(sizes[4], sizes[1]);
}
