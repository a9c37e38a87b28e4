#include "doubles/temphome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void makeFile(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(size));
}

} // namespace

TEST(DriveService, FolderSizeCountsEveryFileBelowTheFolder)
{
    TempHome t;
    const QString d = t.addDrive(QLatin1Char('d'));
    makeFile(d + "/games/a.bin", 1000);
    makeFile(d + "/games/deep/er/b.bin", 234);
    makeFile(d + "/games/.hidden", 1);
    QDir().mkpath(d + "/games/empty");
    QFile::link(d + "/games", d + "/games/deep/loop"); // must not be followed

    EXPECT_EQ(*t.drives.folderSize("d:\\GAMES"), 1235);
    EXPECT_EQ(*t.drives.folderSize("d:\\games\\empty"), 0);
    EXPECT_FALSE(t.drives.folderSize("d:\\games\\a.bin").has_value());
    EXPECT_FALSE(t.drives.folderSize("d:\\missing").has_value());
    EXPECT_EQ(*t.drives.fileLength("d:\\games\\A.BIN"), 1000);
    EXPECT_FALSE(t.drives.fileLength("d:\\games").has_value());
}

TEST(DriveService, DriveFiguresComeFromTheFileSystemOfTheTarget)
{
    TempHome t;
    t.addDrive(QLatin1Char('d'));
    const auto total = t.drives.driveTotalBytes("d:\\anything");
    const auto free = t.drives.driveFreeBytes("D:");
    ASSERT_TRUE(total && free);
    EXPECT_GT(*total, 0);
    EXPECT_LE(*free, *total);
    EXPECT_FALSE(t.drives.driveFreeBytes("q").has_value());
    EXPECT_FALSE(t.drives.driveFreeBytes("").has_value());
}

TEST(DriveService, TheTwoExistenceTests)
{
    TempHome t;
    const QString d = t.addDrive(QLatin1Char('d'));
    makeFile(d + "/src/readme.txt", 3);
    makeFile(d + "/src/Extras/sub/x", 1);
    QDir().mkpath(d + "/src/onlydirs/inner");
    QDir().mkpath(d + "/src/empty");

    EXPECT_TRUE(t.drives.fileExists("d:\\src\\README.TXT"));
    EXPECT_FALSE(t.drives.fileExists("d:\\src\\extras"));
    EXPECT_TRUE(t.drives.pathExists("d:\\src\\extras"));
    EXPECT_FALSE(t.drives.pathExists("d:\\src\\nothing"));

    // "folder\*.*" exists when the folder has any entry, a folder counting
    // for the test that includes folders only.
    EXPECT_TRUE(t.drives.pathExists("d:\\src\\extras\\*.*"));
    EXPECT_TRUE(t.drives.pathExists("d:\\src\\onlydirs\\*.*"));
    EXPECT_FALSE(t.drives.fileExists("d:\\src\\onlydirs\\*.*"));
    EXPECT_FALSE(t.drives.pathExists("d:\\src\\empty\\*.*"));
    EXPECT_FALSE(t.drives.pathExists("d:\\src\\missing\\*.*"));
    EXPECT_TRUE(t.drives.fileExists("d:\\src\\*.TXT"));
    EXPECT_FALSE(t.drives.fileExists("d:\\src\\*.doc"));
}

TEST(DriveService, DosPatterns)
{
    EXPECT_TRUE(HostDriveService::matchesPattern("noext", "*.*"));
    EXPECT_TRUE(HostDriveService::matchesPattern("Game.R00", "*.r??"));
    EXPECT_FALSE(HostDriveService::matchesPattern("game.rar", "*.r??x"));
    EXPECT_TRUE(HostDriveService::matchesPattern("base01.zip", "BASE*"));
}
