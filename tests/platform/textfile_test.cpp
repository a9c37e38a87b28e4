#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(TextCodec, EveryWindows1252ByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = textcodec::fromCp1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    EXPECT_TRUE(textcodec::fitsCp1252(text));
    EXPECT_EQ(textcodec::toCp1252(text), all);
}

TEST(TextCodec, Cp437DrawsBoxesAndKeepsBytes)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = textcodec::fromCp437(all);
    EXPECT_EQ(text[0xC9], QChar(0x2554)); // ╔
    EXPECT_EQ(text[0xB0], QChar(0x2591)); // ░
    EXPECT_EQ(textcodec::toCp437(text), all);
}

TEST(TextFile, WritesWindows1252WhenEverythingFitsElseUtf8WithAMark)
{
    QTemporaryDir dir;
    const QString p = dir.filePath("s.zvk");
    ASSERT_TRUE(TextFile::writeLines(p, {QStringLiteral("Source: d:\\café"), QString()}));
    EXPECT_EQ(readAll(p), QByteArray("Source: d:\\caf\xE9\r\n\r\n"));

    const QString greek = QStringLiteral("Source: d:\\\u03B1\u03B2");
    ASSERT_TRUE(TextFile::writeLines(p, {greek}));
    EXPECT_EQ(readAll(p), QByteArray("\xEF\xBB\xBF") + greek.toUtf8() + "\r\n");
    EXPECT_EQ(*TextFile::readLines(p), QStringList{greek});
}

TEST(TextFile, ReadsAnyLineEndAndNoPhantomLastLine)
{
    EXPECT_EQ(TextFile::splitLines("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(TextFile::splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(TextFile::splitLines(""), QStringList{});

    QTemporaryDir dir;
    EXPECT_FALSE(TextFile::readLines(dir.filePath("missing")).has_value());
}

TEST(TextFile, AFailedWriteLeavesTheEarlierFile)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(TextFile::writeText(dir.filePath("no/such/folder/x.zvk"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}
