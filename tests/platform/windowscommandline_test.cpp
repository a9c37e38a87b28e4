#include "platform/windowscommandline.h"

#include <gtest/gtest.h>

namespace {

QStringList argsOf(const QString& line)
{
    return WindowsCommandLine::split(QStringLiteral("p ") + line).mid(1);
}

} // namespace

TEST(WindowsCommandLine, TheRuntimesOwnExamples)
{
    EXPECT_EQ(argsOf(R"("a b c" d e)"), (QStringList{"a b c", "d", "e"}));
    EXPECT_EQ(argsOf(R"("ab\"c" "\\" d)"), (QStringList{R"(ab"c)", R"(\)", "d"}));
    EXPECT_EQ(argsOf(R"(a\\\b d"e f"g h)"), (QStringList{R"(a\\\b)", "de fg", "h"}));
    EXPECT_EQ(argsOf(R"(a\\\"b c d)"), (QStringList{R"(a\"b)", "c", "d"}));
    EXPECT_EQ(argsOf(R"(a\\\\"b c" d e)"), (QStringList{R"(a\\b c)", "d", "e"}));
    EXPECT_EQ(argsOf(R"(a"b"" c d)"), (QStringList{R"(ab" c d)"}));
}

TEST(WindowsCommandLine, BlanksTabsAndEmptyArguments)
{
    EXPECT_EQ(argsOf("a  \t b   "), (QStringList{"a", "b"}));
    EXPECT_EQ(argsOf(R"("" x "")"), (QStringList{"", "x", ""}));
    EXPECT_EQ(argsOf(R"("unfinished \ quote)"), (QStringList{R"(unfinished \ quote)"}));
    EXPECT_EQ(argsOf(R"(trailing\\)"), (QStringList{R"(trailing\\)"}));
    EXPECT_EQ(argsOf(""), QStringList{});
}

TEST(WindowsCommandLine, ProgramNameKeepsBackslashesAndDropsQuotes)
{
    EXPECT_EQ(WindowsCommandLine::split(R"("c:\program files\wrar.exe" a)"),
              (QStringList{R"(c:\program files\wrar.exe)", "a"}));
    EXPECT_EQ(WindowsCommandLine::split(R"(c:\tools\"my dir"\wace.pif -y)"),
              (QStringList{R"(c:\tools\my dir\wace.pif)", "-y"}));
    EXPECT_EQ(WindowsCommandLine::split("wrar.exe"), QStringList{"wrar.exe"});
}

TEST(WindowsCommandLine, ArchiverLinesSplitIntoTheirArguments)
{
    EXPECT_EQ(WindowsCommandLine::split(R"(wrar.exe a -r -y -v1440000b -m3  c:\Zavok001\game.rar)"),
              (QStringList{"wrar.exe", "a", "-r", "-y", "-v1440000b", "-m3", R"(c:\Zavok001\game.rar)"}));
    EXPECT_EQ(WindowsCommandLine::split(
                  R"(wrar.exe a -ep -v0000b -m5 -y c:\Zavok002\cd.rar "@z:\home\a b\zavok32\rarstop.txt")"),
              (QStringList{"wrar.exe", "a", "-ep", "-v0000b", "-m5", "-y", R"(c:\Zavok002\cd.rar)",
                           R"(@z:\home\a b\zavok32\rarstop.txt)"}));
}

TEST(WindowsCommandLine, QuotedArgumentsComeBackUnchanged)
{
    const QStringList awkward{
        "", "plain", "two words", R"(c:\dir\)", R"(c:\dir\\)", R"(say "hi")", R"(\"\\")", R"(a\b\c)",
        "tab\there", R"(@z:\tmp\it's "x"\rarstop.txt)", "$HOME;|&`x`", R"(\)",
    };
    QString line = QStringLiteral("p");
    for (const QString& arg : awkward)
        line += QLatin1Char(' ') + WindowsCommandLine::quote(arg);
    EXPECT_EQ(WindowsCommandLine::split(line).mid(1), awkward);
    EXPECT_EQ(WindowsCommandLine::quote(R"(@c:\zavok32\rarstop.txt)"), R"("@c:\zavok32\rarstop.txt")");
}
