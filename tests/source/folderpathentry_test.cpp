#include "sourcefixture.h"

#include "source/folderpathentry.h"

#include <QDir>
#include <QUrl>

class FolderPathEntryTest : public SourceTest
{
protected:
    FolderPathEntryTest()
    {
        t.write("d:\\Games\\Quake\\pak0.pak", "p");
        gamesHost = t.host("d:\\games");
    }

    std::optional<QString> typed(const QString& text, const QString& root = "desktop") const
    {
        return FolderPathEntry::resolve(drives, root, text);
    }

    QString gamesHost;
};

TEST_F(FolderPathEntryTest, DosPathsInAnyOfTheirUsualForms)
{
    EXPECT_EQ(typed("d:\\games"), "d:\\games");
    EXPECT_EQ(typed("  D:/Games/Quake/ "), "D:\\Games\\Quake");
    EXPECT_EQ(typed("\"d:\\games\\\""), "d:\\games");
    EXPECT_EQ(typed("d:"), "d:\\");
    EXPECT_EQ(typed("d:\\games\\quake\\..\\.\\"), "d:\\games");
    EXPECT_EQ(typed("d:\\..\\..\\games"), "d:\\games") << "never above the drive's root";
}

TEST_F(FolderPathEntryTest, HostPathsAndFileUrlsBecomeDosPaths)
{
    EXPECT_EQ(typed(gamesHost + "/Quake"), "d:\\Games\\Quake");
    EXPECT_EQ(typed(QUrl::fromLocalFile(gamesHost).toString()), "d:\\Games");
    EXPECT_EQ(typed("'" + gamesHost + "/'"), "d:\\Games");
    const auto home = typed("~");
    ASSERT_TRUE(home.has_value());
    EXPECT_EQ(home->left(2), "z:") << "the host's root is drive z";
}

TEST_F(FolderPathEntryTest, NothingThatIsNotAnExistingFolderInsideTheRoot)
{
    EXPECT_FALSE(typed(""));
    EXPECT_FALSE(typed("games"));
    EXPECT_FALSE(typed("d:\\nothing"));
    EXPECT_FALSE(typed("d:\\games\\quake\\pak0.pak"));
    EXPECT_FALSE(typed("d:\\g*"));
    EXPECT_FALSE(typed("q:\\"));

    EXPECT_EQ(typed("d:\\games\\quake", "d:\\games"), "d:\\games\\quake");
    EXPECT_EQ(typed("D:\\GAMES", "d:\\games"), "D:\\GAMES");
    EXPECT_FALSE(typed("d:\\", "d:\\games"));
    t.write("d:\\gamesx\\a.txt", "a");
    EXPECT_FALSE(typed("d:\\gamesx", "d:\\games")) << "a folder beside the root, not in it";
    EXPECT_EQ(typed("d:\\games", "d:\\"), "d:\\games");
}

TEST_F(FolderPathEntryTest, AFileDialogTakesTypedDosPathsOnly)
{
    const QString d = *t.drives.toHost("d:\\");
    EXPECT_EQ(FolderPathEntry::typedDosPathToHost(t.drives, " \"D:/Games/Quake/..\" "), *t.drives.toHost("d:\\games"));
    EXPECT_EQ(FolderPathEntry::typedDosPathToHost(t.drives, "d:\\games\\new.zvk"), *t.drives.toHost("d:\\games") + "/new.zvk");
    EXPECT_FALSE(FolderPathEntry::typedDosPathToHost(t.drives, "readme.txt")) << "a plain name is the dialog's";
    EXPECT_FALSE(FolderPathEntry::typedDosPathToHost(t.drives, d + "/games")) << "a host path is the dialog's";
    EXPECT_FALSE(FolderPathEntry::typedDosPathToHost(t.drives, "q:\\x")) << "no such drive";
}
