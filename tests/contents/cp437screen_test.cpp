#include "contents/cp437screen.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QByteArray everyByte()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

TEST(Cp437Screen, EveryByteHasACharacterOfItsOwnAndComesBackUnchanged)
{
    const QByteArray bytes = everyByte();
    const QString screen = Cp437Screen::toScreen(bytes);
    ASSERT_EQ(screen.size(), 256) << "one character a byte; 0x0D 0x0E is no line end";
    EXPECT_EQ(QSet<QChar>(screen.begin(), screen.end()).size(), 256);
    EXPECT_EQ(Cp437Screen::fromScreen(screen), bytes);
    EXPECT_EQ(Cp437Screen::holdable(screen), screen) << "nothing shown is replaced when typed again";
}

TEST(Cp437Screen, BoxDrawingBlocksAndLettersShowAsTheScreenDrawsThem)
{
    EXPECT_EQ(Cp437Screen::toScreen("\xC9\xCD\xBB\xBA\xDB\xB0\x82\x01\x7F"), QString::fromUtf8("╔═╗║█░é☺⌂"));
    EXPECT_EQ(Cp437Screen::fromScreen(QString::fromUtf8("╚═╝▀▄ñ")), QByteArray("\xC8\xCD\xBC\xDF\xDC\xA4"));
}

TEST(Cp437Screen, OnlyCrLfIsALineBreakAndLoneLineEndsKeepTheirGlyphs)
{
    const QByteArray bytes("a\rb\nc\r\nd\r\r\n");
    const QString screen = Cp437Screen::toScreen(bytes);
    EXPECT_EQ(screen, QString::fromUtf8("a♪b◙c\nd♪\n"));
    EXPECT_EQ(Cp437Screen::fromScreen(screen), bytes);
    // A text document's own line breaks are CR LF too.
    EXPECT_EQ(Cp437Screen::fromScreen(QStringLiteral("x\u2029y\u2028z")), QByteArray("x\r\ny\r\nz"));
}

TEST(Cp437Screen, ACharacterTheCodePageCannotHoldIsReplacedVisiblyNeverDropped)
{
    EXPECT_EQ(Cp437Screen::holdable(QString::fromUtf8("5€ 😀 ok")), "5? ? ok") << "one ? for each character";
    EXPECT_EQ(Cp437Screen::fromScreen(QString::fromUtf8("5€😀")), QByteArray("5??"));
    EXPECT_EQ(Cp437Screen::holdable(QString::fromUtf8("e\u0301")), QString::fromUtf8("é")) << "composed first";
    EXPECT_EQ(Cp437Screen::fromScreen(Cp437Screen::holdable(QString::fromUtf8("e\u0301"))), QByteArray("\x82"));
    EXPECT_EQ(Cp437Screen::holdable(QStringLiteral("a\u0001\tb\nc\u2029")), QString::fromUtf8("a☺\tb\nc\u2029"));
    EXPECT_EQ(Cp437Screen::byteOf(U'€'), -1);
    EXPECT_EQ(Cp437Screen::byteOf(0x00A0), 0xFF);
}
