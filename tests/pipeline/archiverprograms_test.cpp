// The archiver step with the project's own wrar and wace: the command lines,
// the skip file and the list file as the archivers read them, and volume
// names that the naming predicts.
#include "doubles/temphome.h"
#include "job/riprunstate.h"
#include "pipeline/archiverstep.h"
#include "pipeline/volumenaming.h"
#include "platform/drivemap.h"
#include "platform/posixprocessrunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

class ArchiverProgramsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedPath = qgetenv("PATH");
        qputenv("PATH", QByteArray(ZAVOK32_BUILD_BIN) + ':' + savedPath);
        driveD = th.addDrive('d');
        QDir().mkpath(th.host(QStringLiteral("c:\\Zavok001")));
        job.setZipBaseName(QStringLiteral("game"));
        job.setArchiveSizeStep(1);
        th.services.processes = &processes;
        run.workDirectory = QStringLiteral("c:\\Zavok001");
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    void writeRandom(const QString& dosPath, int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator generator(size);
        for (char& b : bytes)
            b = char(generator.generate());
        th.write(dosPath, bytes);
    }
    // Prepares and runs the step; returns the names the work directory holds.
    QStringList runStep(const QString& extension)
    {
        QString error;
        EXPECT_TRUE(archiverstep::prepareArchiverStep(job, run, th.home(), &error)) << error.toStdString();
        run.archivePath = run.workDirectory + QStringLiteral("\\game") + extension;
        EXPECT_TRUE(archiverstep::runArchiverStep(job, run, th.services, th.home(), &error)) << error.toStdString();
        return QDir(th.host(run.workDirectory)).entryList(QDir::Files, QDir::Name);
    }
    QStringList predictedNames(int count) const
    {
        QStringList names;
        for (int n = 1; n <= count; ++n)
            names << volumenaming::volumeFileName(job, run, n);
        names.sort();
        return names;
    }
    // The names an independent reader finds in the set.
    QString listing(const QString& firstVolume)
    {
        const QString path = th.host(run.workDirectory) + QLatin1Char('/') + firstVolume;
        QProcess reader;
        reader.setWorkingDirectory(th.host(run.workDirectory));
        if (firstVolume.endsWith(QLatin1String(".ace")))
            reader.start(QStringLiteral("unace"), {QStringLiteral("l"), QStringLiteral("-y"), path});
        else
            reader.start(QStringLiteral("lsar"), {path});
        reader.waitForFinished(60000);
        return QString::fromUtf8(reader.readAllStandardOutput());
    }

    TempHome th;
    QString driveD;
    RipJob job;
    RipRunState run;
    PosixProcessRunner processes{th.home()};
    QByteArray savedPath;
};

} // namespace

TEST_F(ArchiverProgramsTest, RarPacksAnAwkwardFolderLeavingOutTheSkipEntries)
{
    const QString source = QStringLiteral("d:\\my \"games\" $HOME; a|b");
    writeRandom(source + QStringLiteral("\\data.bin"), 1200000);
    th.write(source + QStringLiteral("\\extras\\trailer.avi"), "skipped");
    th.write(source + QStringLiteral("\\readme.txt"), "kept");
    job.setSourcePath(source);
    job.setSkipEntries(QStringLiteral("extras\\*.*\r\n"));

    const QStringList names = runStep(QStringLiteral(".rar"));
    ASSERT_GE(names.size(), 3);
    EXPECT_EQ(names, predictedNames(int(names.size())));
    const QString list = listing(QStringLiteral("game.rar"));
    EXPECT_TRUE(list.contains(QStringLiteral("data.bin"))) << list.toStdString();
    EXPECT_TRUE(list.contains(QStringLiteral("readme.txt"))) << list.toStdString();
    EXPECT_FALSE(list.contains(QStringLiteral("trailer"))) << list.toStdString();
}

TEST_F(ArchiverProgramsTest, AceTakesTheImageAndTheTextsFromTheListFile)
{
    writeRandom(QStringLiteral("d:\\cd images\\game.iso"), 1200000);
    th.write(QStringLiteral("d:\\texts\\file_id.diz"), "diz");
    th.write(QStringLiteral("d:\\texts\\group.nfo"), "nfo");
    job.setImageMode(true);
    job.setSourcePath(QStringLiteral("d:\\cd images\\game.iso"));
    job.setDizPath(QStringLiteral("d:\\texts\\file_id.diz"));
    job.setNfoPath(QStringLiteral("d:\\texts\\group.nfo"));
    job.setArchivesOnly(true);
    job.setArchiver(Archiver::Ace);

    const QStringList names = runStep(QStringLiteral(".ace"));
    ASSERT_GE(names.size(), 3);
    EXPECT_EQ(names, predictedNames(int(names.size())));
    const QString list = listing(QStringLiteral("game.ace"));
    for (const char* name : {"game.iso", "file_id.diz", "group.nfo"})
        EXPECT_TRUE(list.contains(QLatin1String(name))) << name << "\n" << list.toStdString();
    EXPECT_FALSE(list.contains(QStringLiteral("texts"))) << list.toStdString();
}

TEST_F(ArchiverProgramsTest, OneArchiveAtSizeStepZero)
{
    writeRandom(QStringLiteral("d:\\src\\data.bin"), 700000);
    job.setSourcePath(QStringLiteral("d:\\src"));
    job.setArchiveSizeStep(0);
    EXPECT_EQ(runStep(QStringLiteral(".rar")), QStringList{"game.rar"});
}

TEST_F(ArchiverProgramsTest, TheListFileIsFoundInAnAppFolderWithBlanksAndQuotes)
{
    const QString appDir = th.dir.filePath(QStringLiteral("app \"dir\" $x; a|b"));
    QDir().mkpath(appDir);
    DriveMap drives(appDir);
    drives.ensureDefaults();
    drives.mapDrive('d', driveD);
    qputenv("ZAVOK32_HOME", QFile::encodeName(appDir));
    PosixProcessRunner runner(appDir);
    th.services.processes = &runner;
    QDir().mkpath(*drives.toHost(run.workDirectory));

    writeRandom(QStringLiteral("d:\\cd.iso"), 300000);
    job.setImageMode(true);
    job.setSourcePath(QStringLiteral("d:\\cd.iso"));
    QString error;
    ASSERT_TRUE(archiverstep::prepareArchiverStep(job, run, appDir, &error)) << error.toStdString();
    run.archivePath = run.workDirectory + QStringLiteral("\\game.rar");
    EXPECT_TRUE(run.listFileArgument.startsWith(QStringLiteral("\"@z:\\")));
    ASSERT_TRUE(archiverstep::runArchiverStep(job, run, th.services, appDir, &error)) << error.toStdString();

    const QString first = *drives.toHost(run.archivePath);
    QProcess lsar;
    lsar.start(QStringLiteral("lsar"), {first});
    lsar.waitForFinished(60000);
    EXPECT_TRUE(QString::fromUtf8(lsar.readAllStandardOutput()).contains(QStringLiteral("cd.iso")));
}
