#include "doubles/temphome.h"
#include "platform/mountedvolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>

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

TEST(DriveMap, LettersAreAddedChangedAndRemovedOnRealFolders)
{
    TempHome t;
    const QString games = t.dir.path() + "/Games";
    const QString music = t.dir.path() + "/Music";
    QDir().mkpath(games);
    QDir().mkpath(music);

    ASSERT_TRUE(t.map.mapDrive(QLatin1Char('D'), games));
    EXPECT_EQ(t.map.letters(), (QList<QChar>{QLatin1Char('c'), QLatin1Char('d'), QLatin1Char('z')}));
    EXPECT_EQ(t.map.linkTarget(QLatin1Char('d')), games);
    EXPECT_EQ(t.drives.driveLabel(QLatin1Char('d')), "Games");

    // A change takes the old link's place: no stray entry, the new folder answers.
    ASSERT_TRUE(t.map.mapDrive(QLatin1Char('d'), music));
    EXPECT_EQ(*t.map.driveRoot(QLatin1Char('d')), QFileInfo(music).canonicalFilePath());
    EXPECT_EQ(QDir(t.map.dosdevicesPath()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 3);

    EXPECT_TRUE(t.map.unmapDrive(QLatin1Char('d')));
    EXPECT_FALSE(t.map.letters().contains(QLatin1Char('d')));
    EXPECT_TRUE(t.map.linkTarget(QLatin1Char('d')).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(music)) << "removing a letter never touches its folder";

    EXPECT_FALSE(DriveMap::isRemovable(QLatin1Char('c')));
    EXPECT_FALSE(DriveMap::isRemovable(QLatin1Char('C')));
    EXPECT_TRUE(DriveMap::isRemovable(QLatin1Char('z')));
    EXPECT_FALSE(t.map.mapDrive(QLatin1Char('1'), games));
    EXPECT_FALSE(t.map.mapDrive(QLatin1Char('d'), QString()));
}

TEST(DriveMap, AFolderThatVanishesLeavesItsLetterWithoutAMedium)
{
    TempHome t;
    const QString stick = t.dir.path() + "/Stick";
    QDir().mkpath(stick);
    ASSERT_TRUE(t.map.mapDrive(QLatin1Char('f'), stick));
    ASSERT_TRUE(QDir(stick).removeRecursively());

    EXPECT_TRUE(t.map.letters().contains(QLatin1Char('f')));
    EXPECT_EQ(t.map.linkTarget(QLatin1Char('f')), stick) << "the letter still says where its medium was";
    EXPECT_EQ(t.drives.driveLabel(QLatin1Char('f')), "Stick");
    EXPECT_FALSE(t.map.toDos(stick + "/x").value_or(QString()).startsWith("f:"));

    // The medium comes back: the letter works again without a new mapping.
    QDir().mkpath(stick);
    EXPECT_EQ(*t.map.toDos(stick + "/x"), "f:\\x");
}

TEST(DriveMap, ALetterOnAMountedVolumeIsNamedByItsLabel)
{
    TempHome t;
    const QList<MountedVolume> volumes = MountedVolumes::list();
    ASSERT_FALSE(volumes.isEmpty()) << "the root at least is always mounted";
    EXPECT_TRUE(std::any_of(volumes.begin(), volumes.end(), [](const MountedVolume& v) { return v.root == "/"; }));
    for (const MountedVolume& volume : volumes) {
        SCOPED_TRACE(volume.root.toStdString());
        ASSERT_TRUE(t.map.mapDrive(QLatin1Char('m'), volume.root));
        EXPECT_EQ(*t.map.driveRoot(QLatin1Char('m')), QFileInfo(volume.root).canonicalFilePath());
        EXPECT_EQ(t.drives.driveIsMountPoint("m:"), std::optional<bool>(true));
        const QString label = t.drives.driveLabel(QLatin1Char('m'));
        EXPECT_FALSE(label.isEmpty());
        if (!volume.label.isEmpty()) {
            EXPECT_EQ(label, volume.label);
        }
        EXPECT_TRUE(MountedVolumes::mountedAt(volume.root).has_value());
        EXPECT_TRUE(volume.displayName().contains(volume.removable && !volume.label.isEmpty() ? volume.label : volume.root));
    }
    // A plain folder is no mount point and is named by its folder.
    EXPECT_FALSE(MountedVolumes::mountedAt(t.home()).has_value());
    EXPECT_EQ(MountedVolumes::labelOf(t.home() + "/drive_c"), "drive_c");
    EXPECT_EQ(MountedVolumes::labelOf("/"), MountedVolumes::mountedAt("/")->label.isEmpty() ? "/" : MountedVolumes::mountedAt("/")->label);
}

TEST(DriveMap, RemovableMediaAreNamedByTheirLabel)
{
    MountedVolume cd;
    cd.root = "/media/cdrom";
    cd.label = "GAME_CD";
    cd.fileSystem = "iso9660";
    cd.optical = cd.removable = true;
    EXPECT_EQ(cd.displayName(), "GAME_CD (CD/DVD, /media/cdrom)");
    MountedVolume disk;
    disk.root = "/home";
    disk.fileSystem = "ext4";
    EXPECT_EQ(disk.displayName(), "/home (ext4)");
}

TEST(DriveMap, TwoLettersOnOneFolderGiveBackTheFirstAndTheLongestTargetStillWins)
{
    TempHome t;
    const QString shared = t.dir.path() + "/Shared";
    QDir().mkpath(shared + "/Deep/Er");
    ASSERT_TRUE(t.map.mapDrive(QLatin1Char('g'), shared));
    ASSERT_TRUE(t.map.mapDrive(QLatin1Char('e'), shared));
    ASSERT_TRUE(t.map.mapDrive(QLatin1Char('y'), shared + "/Deep"));

    EXPECT_EQ(*t.map.toDos(shared + "/a.txt"), "e:\\a.txt");
    EXPECT_EQ(*t.map.toHost("g:\\a.txt"), *t.map.toHost("e:\\a.txt"));
    EXPECT_EQ(*t.map.toDos(shared + "/Deep/Er"), "y:\\Er");
    EXPECT_EQ(*t.map.toDos(shared + "/Deeper"), "e:\\Deeper") << "a longer name is not a folder inside";

    // Without e the same folder comes back as g; without any, as z.
    t.map.unmapDrive(QLatin1Char('e'));
    EXPECT_EQ(*t.map.toDos(shared + "/a.txt"), "g:\\a.txt");
    t.map.unmapDrive(QLatin1Char('g'));
    t.map.unmapDrive(QLatin1Char('y'));
    QString viaZ = QFileInfo(shared).canonicalFilePath() + "/a.txt";
    EXPECT_EQ(*t.map.toDos(shared + "/a.txt"), "z:" + viaZ.replace('/', '\\'));
}
