#pragma once

#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "pipeline/riprun.h"
#include "pipelinedoubles.h"
#include "platform/libzipcomponent.h"
#include "platform/libzipreader.h"
#include "setcheck/archivesettester.h"
#include "platform/posixprocessrunner.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// Whole runs with the real archivers, the real ZIP writer and real files:
// a source on drive d:, ZIPs into e:\zips, the work directory on c:. What
// comes out is checked with tools that share no code with the program
// (unzip, 7z, unace), run without a shell.
class EndToEnd : public ::testing::Test
{
protected:
    struct Tool {
        bool finished = false;
        int exitCode = -1;
        QByteArray out;
        bool ok() const { return finished && exitCode == 0; }
    };

    TempHome home;
    RipJob job;
    RipRunState state;
    AppState app;
    ViewState view;
    std::unique_ptr<ZipComponent> zip;
    std::unique_ptr<PosixProcessRunner> processes;
    FakeSoundPlayer sounds;
    FakeReportPresenter presenter;
    std::unique_ptr<RipRun> run;
    LibzipReader zipReader;
    ArchiveSetTester archiveTester;
    VolumeSetTester* volumeTester = &archiveTester;
    QString sourceRoot; // host folder of d:
    QString zipsHost;
    QByteArray savedPath;

    void SetUp() override;
    void TearDown() override;

    // Builds the run with the program's own steps; call after the job is set.
    // `zipComponent` replaces the real ZIP writer (a faulty one, say).
    void makeRun(std::unique_ptr<ZipComponent> zipComponent = {});
    LibzipComponent* libzip() const;

    // A tree with nested folders, a name with blanks, capitals, an empty file
    // and 5 MB of incompressible bytes, plus a folder that is skipped.
    void makeTree(const QString& relative);
    void makeDescriptionFiles();
    // Job for a folder or image source at size step 3, numbered at line 3,
    // column 10, every ZIP with the .nfo and the extra folder.
    void setUpJob(const QString& sourceDos, bool image);
    void measure();
    void writeHost(const QString& relative, const QByteArray& bytes) const;
    void writeRandom(const QString& relative, qint64 size, quint32 seed) const;
    void writeZeros(const QString& relative, qint64 size) const;

    static Tool tool(const QString& program, const QStringList& args, const QString& cwd, int timeoutMs = 120000);
    QStringList zipFiles() const;
    // The set's .sfv and .sha256 list exactly its ZIPs and cksfv -f and
    // sha256sum -c accept them.
    void checkSums(const QString& stem) const;
    QStringList zipEntries(const QString& zipName) const;
    QByteArray zipEntry(const QString& zipName, const QString& entry) const;
    QStringList workFiles(const QString& workDos = QStringLiteral("c:\\Zavok001")) const;
    // Unzips every ZIP into a fresh folder and returns it.
    QString unzipAll(const QStringList& zips) const;
    // Extracts a volume set with 7z (RAR) or unace (ACE) into a fresh folder.
    QString extractSet(const QString& folder, const QString& firstVolume) const;
    QString scratch(const QString& name) const;
    // Same relative file names with the same bytes (folders that end up
    // empty are not compared).
    static bool sameTree(const QString& expected, const QString& actual, QString* difference);
    static bool sameFile(const QString& a, const QString& b);
    void dropFromTree(const QString& folder, const QString& relative) const;
};
