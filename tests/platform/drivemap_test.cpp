#include "doubles/temphome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(DriveMap, FirstStartMapsDriveCToItsOwnFolderAndZToTheRoot)
{
    TempHome t;
    EXPECT_EQ(t.map.letters(), (QList<QChar>{QLatin1Char('c'), QLatin1Char('z')}));
    EXPECT_EQ(*t.map.driveRoot(QLatin1Char('c')), QFileInfo(t.home() + "/drive_c").canonicalFilePath());
    EXPECT_EQ(*t.map.driveRoot(QLatin1Char('Z')), QStringLiteral("/"));

    // A user who removed z: keeps it removed; a lost c: comes back.
    t.map.unmapDrive(QLatin1Char('z'));
    t.map.unmapDrive(QLatin1Char('c'));
    t.map.ensureDefaults();
    EXPECT_EQ(t.map.letters(), QList<QChar>{QLatin1Char('c')});
}

TEST(DriveMap, DosPathsFindHostFilesWhateverTheirCase)
{
    TempHome t;
    const QString d = t.addDrive(QLatin1Char('d'));
    QDir().mkpath(d + "/Games/Extras");
    QFile f(d + "/Games/Extras/ReadMe.TXT");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    EXPECT_EQ(*t.map.toHost("d:\\games\\extras\\readme.txt"), d + "/Games/Extras/ReadMe.TXT");
    EXPECT_EQ(*t.map.toHost("D:/GAMES/extras"), d + "/Games/Extras");
    EXPECT_EQ(*t.map.toHost("d:\\"), d);
    EXPECT_EQ(*t.map.toHost("d:"), d);
    // A name that does not exist yet keeps its spelling, so it can be created.
    EXPECT_EQ(*t.map.toHost("d:\\games\\New.txt"), d + "/Games/New.txt");
    EXPECT_EQ(*t.map.toHost("d:\\games\\extras\\*.*"), d + "/Games/Extras/*.*");
    EXPECT_FALSE(t.map.toHost("games\\x").has_value());
    EXPECT_FALSE(t.map.toHost("q:\\x").has_value());
}

TEST(DriveMap, DotDotNeverLeavesTheDrive)
{
    TempHome t;
    const QString d = t.addDrive(QLatin1Char('d'));
    QDir().mkpath(d + "/a");
    EXPECT_EQ(*t.map.toHost("d:\\..\\..\\etc"), d + "/etc");
    EXPECT_EQ(*t.map.toHost("d:\\a\\..\\..\\..\\passwd"), d + "/passwd");
    EXPECT_EQ(*t.map.toHost("d:\\a\\.\\b\\..\\c"), d + "/a/c");
}

TEST(DriveMap, BrokenLinkIsADriveWithoutAMedium)
{
    TempHome t;
    const QString gone = t.dir.path() + "/unplugged";
    t.map.mapDrive(QLatin1Char('e'), gone);
    EXPECT_TRUE(t.map.letters().contains(QLatin1Char('e')));
    EXPECT_FALSE(t.map.driveRoot(QLatin1Char('e')).has_value());
    EXPECT_FALSE(t.map.toHost("e:\\x").has_value());
    EXPECT_FALSE(t.drives.driveFreeBytes("e").has_value());
    EXPECT_FALSE(t.drives.driveTotalBytes("e:\\").has_value());
    EXPECT_FALSE(t.drives.folderSize("e:\\").has_value());
    EXPECT_FALSE(t.drives.pathExists("e:\\"));
}

TEST(DriveMap, HostPathsTurnIntoTheDriveWithTheLongestTarget)
{
    TempHome t;
    const QString d = t.addDrive(QLatin1Char('d'));
    QDir().mkpath(d + "/Sub Dir");
    const QString e = t.map.mapDrive(QLatin1Char('e'), d + "/Sub Dir") ? d + "/Sub Dir" : QString();
    ASSERT_FALSE(e.isEmpty());

    EXPECT_EQ(*t.map.toDos(d + "/Sub Dir/x.iso"), QStringLiteral("e:\\x.iso"));
    EXPECT_EQ(*t.map.toDos(d + "/other"), QStringLiteral("d:\\other"));
    EXPECT_EQ(*t.map.toDos(d), QStringLiteral("d:\\"));
    EXPECT_EQ(*t.map.toDos("/usr/share"), QStringLiteral("z:\\usr\\share"));
    EXPECT_EQ(*t.map.toDos(t.home() + "/drive_c/skip.txt"), QStringLiteral("c:\\skip.txt"));
    // And back again.
    EXPECT_EQ(*t.map.toHost(*t.map.toDos(d + "/Sub Dir")), e);
}
