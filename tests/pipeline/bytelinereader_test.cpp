#include "pipeline/bytelinereader.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QList<QByteArray> linesOf(QByteArray bytes, qint64 pieceSize)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ByteLineReader reader(buffer, pieceSize);
    QList<QByteArray> lines;
    while (const auto line = reader.next())
        lines << *line;
    EXPECT_FALSE(reader.failed());
    return lines;
}

} // namespace

TEST(ByteLineReader, LineEndsAreFoundWhereverTheReadingPiecesEnd)
{
    const QByteArray bytes = "one\r\ntwo\rthree\nstill three\r\r\n\xC9\xCD\r\nlast";
    const QList<QByteArray> expected{"one", "two", "three\nstill three", "", "\xC9\xCD", "last"};
    for (qint64 piece : {1, 2, 3, 4, 5, 7, 64 * 1024})
        EXPECT_EQ(linesOf(bytes, piece), expected) << "piece size " << piece;
}

TEST(ByteLineReader, AFinalLineEndAddsNoEmptyLine)
{
    EXPECT_EQ(linesOf("a\r\n", 1), QList<QByteArray>{"a"});
    EXPECT_EQ(linesOf("a\r", 1), QList<QByteArray>{"a"});
    EXPECT_EQ(linesOf("a\r\n\r\n", 2), (QList<QByteArray>{"a", ""}));
    EXPECT_EQ(linesOf("\n", 1), QList<QByteArray>{"\n"});
    EXPECT_TRUE(linesOf("", 1).isEmpty());
}
