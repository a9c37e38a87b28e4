#include "platform/consoletext.h"

#include <gtest/gtest.h>

TEST(ConsoleText, ARedrawnLineShowsItsLastStateAndItsPercentage)
{
    ConsoleText text;
    text.feed("Creating archive game.rar\n\nAdding  d:\\a.bin   ");
    EXPECT_EQ(text.percent(), -1);
    text.feed("  5%\r");
    text.feed("Adding  d:\\a.bin     10%");
    EXPECT_EQ(text.lines(), (QStringList{"Creating archive game.rar", "", "Adding  d:\\a.bin     10%"}));
    EXPECT_EQ(text.percent(), 10);

    // Backspaces redraw the figure in place, as some archivers do.
    text.feed("\b\b\b\b 99%\b\b\b\b100%\nDone\n");
    EXPECT_EQ(text.lines(), (QStringList{"Creating archive game.rar", "", "Adding  d:\\a.bin    100%", "Done"}));
    EXPECT_EQ(text.percent(), 100);

    // A shorter redraw leaves the rest of the old line, as on a console.
    ConsoleText shorter;
    shorter.feed("Packing 100%\rX");
    EXPECT_EQ(shorter.lines(), QStringList{"Xacking 100%"});
    // Numbers that are no percentage do not move the bar.
    shorter.feed("\n 250% of nothing, 7 files\n");
    EXPECT_EQ(shorter.percent(), 100);
}

TEST(ConsoleText, ACharacterSplitBetweenTwoReadsArrivesWhole)
{
    ConsoleText text;
    const QByteArray word = QStringLiteral("Übersicht").toUtf8();
    text.feed(word.left(1));
    text.feed(word.mid(1) + "\n");
    EXPECT_EQ(text.lines(), QStringList{QStringLiteral("Übersicht")});
    // Control characters other than the console's own are not shown.
    text.feed("a\x1b" "b\x07" "c\n");
    EXPECT_EQ(text.lines().last(), "abc");
}

TEST(ConsoleText, OldLinesScrollAway)
{
    ConsoleText text;
    for (int i = 0; i < ConsoleText::kMaxLines + 10; ++i)
        text.feed(QByteArray::number(i) + "\n");
    EXPECT_EQ(text.lines().size(), ConsoleText::kMaxLines);
    EXPECT_EQ(text.lines().last(), QString::number(ConsoleText::kMaxLines + 9));

    // A failure's last lines leave out the blank ones the program ended with.
    text.feed("disk full\n\n  \n");
    EXPECT_EQ(text.lastLines(2), (QStringList{QString::number(ConsoleText::kMaxLines + 9), "disk full"}));
    EXPECT_EQ(ConsoleText().lastLines(40), QStringList());
}

TEST(ConsoleText, TheTitleIsTheProgramAndTheArchive)
{
    EXPECT_EQ(ConsoleText::titleOf({"wrar.exe", "a", "-r", "-y", "-v1440000b", "c:\\Zavok001\\game.rar", "*.*"}),
              "wrar - c:\\Zavok001\\game.rar");
    EXPECT_EQ(ConsoleText::titleOf({"c:\\tools\\wace.pif", "a", "-y", "c:\\Zavok001\\game.ace"}),
              "wace - c:\\Zavok001\\game.ace");
    EXPECT_EQ(ConsoleText::titleOf({"/usr/bin/wrar", "a"}), "wrar");
    EXPECT_EQ(ConsoleText::titleOf({}), "");
}
