#pragma once

#include "resume/runjournal.h"

#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "pipeline/riprun.h"
#include "pipelinedoubles.h"
#include "platform/numbertext.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

// A job ready to run on temporary drives (source d:\src, ZIPs to e:\zips,
// work drive c), with doubles for the archiver, the naming and numbering
// pieces, the ZIP component, sounds and the report window. The fake
// archiver leaves `volumesToMake` volumes in the work directory and ends as
// `archiverEnd` says.
class RunFixture : public ::testing::Test
{
protected:
    TempHome home;
    RipJob job;
    RipRunState state;
    AppState app;
    ViewState view;
    FakeZipComponent zip;
    FakeSoundPlayer sounds;
    FakeReportPresenter presenter;
    int volumesToMake = 3;
    ProcessEnd archiverEnd = ProcessEnd::exited(QStringLiteral("wrar.exe"), 0);
    bool numberingFits = true;
    int checkJobCalls = 0;
    int numberingChecks = 0;
    std::unique_ptr<RipRun> run;

    void SetUp() override
    {
        home.addDrive(QLatin1Char('d'));
        home.addDrive(QLatin1Char('e'));
        home.write(QStringLiteral("d:\\src\\a.txt"), "source");
        home.write(QStringLiteral("d:\\file_id.diz"), "desc\r\n");
        home.write(QStringLiteral("d:\\info.nfo"), "info\r\n");
        QDir().mkpath(home.host(QStringLiteral("e:\\")) + QStringLiteral("/zips"));
        home.services.zip = &zip;
        zip.drives = &home.drives;
        home.services.sounds = &sounds;

        job.setSourcePath(QStringLiteral("d:\\src"));
        job.setDizPath(QStringLiteral("d:\\file_id.diz"));
        job.setNfoPath(QStringLiteral("d:\\info.nfo"));
        job.setZipDirectory(QStringLiteral("e:\\zips"));
        job.setZipBaseName(QStringLiteral("game"));
        job.setSourceMegabytes(4.0f);
        job.setSourceWholeMegabytes(4);
        // The fake ZIP component writes no ZIP to read back or sum up.
        app.verifyAfterPacking = false;
        app.checksumFiles = false;
        makeRun();
    }

    void makeRun() { run = std::make_unique<RipRun>(RunContext{job, state, app, view, home.services, steps(), &presenter}); }

    RunSteps steps()
    {
        RunSteps s;
        s.checkJob = [this] { ++checkJobCalls; };
        s.baseNameRefusal = [](const QString& name) {
            return name.contains(QLatin1Char('/')) ? QStringLiteral("Characters aren't allowed in filename") : QString();
        };
        s.checkDizNumbering = [this] {
            ++numberingChecks;
            state.numberingChecked = numberingFits;
        };
        s.prepareArchiver = [] {};
        s.runArchiver = [this] {
            for (int n = 1; n <= volumesToMake; ++n)
                home.write(state.workDirectory + QLatin1Char('\\') + volumeName(n), "volume " + QByteArray::number(n));
            return archiverEnd;
        };
        s.volumeFileName = [this](int n) { return volumeName(n); };
        s.startVolume = [this](int n) {
            ZipNameParts parts;
            parts.numberText = numbertext::zeroPadded(n, 2);
            parts.target = job.zipDirectory() + QLatin1Char('\\') + job.zipBaseName() + parts.numberText;
            parts.shownName = job.zipBaseName() + parts.numberText + QStringLiteral(".zip");
            view.run.zipName = parts.shownName;
            view.run.counter = numbertext::signedDecimal(n) + QStringLiteral(" of") + numbertext::signedDecimal(state.volumeCount);
            return parts;
        };
        s.writeNumberedDiz = [this] {
            home.write(home.homeDos() + QStringLiteral("\\file_id.diz"), "numbered " + QByteArray::number(state.currentVolume));
        };
        s.prepareNfo = [this] {
            state.nfoFileName = QStringLiteral("info.nfo");
            home.write(home.homeDos() + QStringLiteral("\\info.nfo"), "stamped");
        };
        return s;
    }

    QString volumeName(int n) const
    {
        return job.zipBaseName() + (n == 1 ? state.archiveExtension : QStringLiteral(".r") + numbertext::zeroPadded(n - 2, 2));
    }
    QString target(int n) const { return QStringLiteral("e:\\zips\\game") + numbertext::zeroPadded(n, 2); }
    QString appFile(const QString& name) const { return home.homeDos() + QLatin1Char('\\') + name + QLatin1Char('\r'); }
    bool exists(const QString& dos) const { return home.drives.pathExists(dos); }
    // The ZIPs and work folders that earlier runs of a test left, so that the
    // next run meets neither a duplicate name nor an interrupted run.
    void forgetLeftovers()
    {
        const QString zips = home.host(QStringLiteral("e:\\zips"));
        QDir(zips).removeRecursively();
        QDir().mkpath(zips);
        for (const QString& work : QDir(home.host(QStringLiteral("c:\\"))).entryList({QStringLiteral("Zavok*")}, QDir::Dirs))
            QDir(home.host(QStringLiteral("c:\\")) + QLatin1Char('/') + work).removeRecursively();
    }
    QStringList workFiles() const
    {
        QStringList files = QDir(home.host(QStringLiteral("c:\\Zavok001"))).entryList(QDir::Files);
        files.removeIf([](const QString& name) { return RunJournal::isJournalFile(name); });
        return files;
    }
};
