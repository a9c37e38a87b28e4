#include "runfixture.h"

#include "pipeline/runreport.h"
#include "pipeline/workdirectory.h"

using Steps = QStringList;

TEST_F(RunFixture, PacksEveryVolumeInOrderAndReports)
{
    job.chooseExtra(ExtraChoice::Directory);
    job.setExtraPath(QStringLiteral("d:\\extras"));
    home.write(QStringLiteral("d:\\extras\\x.txt"), "x");
    run->runJob();

    ASSERT_EQ(presenter.shown.size(), 1) << home.messages.texts().join(QLatin1Char('|')).toStdString();
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(zip.listsFor(target(n)),
                  (Steps{volumeName(n) + QLatin1Char('\r'), appFile(QStringLiteral("file_id.diz")), appFile(QStringLiteral("info.nfo")),
                         QStringLiteral("d:\\extras\\*.*\r")}))
            << n;
    }
    EXPECT_EQ(zip.adds.size(), 12);
    EXPECT_EQ(zip.readAheads, (Steps{volumeName(2) + '\r' + volumeName(3) + '\r', volumeName(3) + '\r', QString()}))
        << "each ZIP names the next two volumes";
    EXPECT_EQ(zip.level, 6);
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok001"))) << "the emptied work directory is removed";
    EXPECT_EQ(checkJobCalls, 1);

    EXPECT_EQ(home.shell.pages.first(), PageId::Run);
    EXPECT_EQ(home.shell.lastPage(), PageId::Source);
    EXPECT_EQ(home.shell.windowEvents, (Steps{"minimise", "restore", "repaint", "minimise", "disable"}));
    EXPECT_EQ(sounds.played, Steps{"rip.wav"});
    EXPECT_EQ(home.shell.endCalls + home.shell.closeCalls, 0);
    EXPECT_TRUE(view.window.listBarEnabled);
    EXPECT_FALSE(view.window.busyPointer);
    EXPECT_EQ(view.run.zipName, QString());
    EXPECT_EQ(view.run.progress, 0);
    EXPECT_EQ(state.volumeCount, 0);
    EXPECT_EQ(state.currentVolume, 0);
    EXPECT_FALSE(state.sourceTextSaved);
    EXPECT_EQ(presenter.shown[0].count, QStringLiteral(" 3"));
    EXPECT_EQ(presenter.shown[0].sourcePath, QStringLiteral(" d:\\src"));
}

TEST_F(RunFixture, FirstZipOnlyPutsInfoAndExtraInTheFirstZip)
{
    volumesToMake = 5;
    job.setFirstZipOnly(1);
    job.chooseExtra(ExtraChoice::File);
    home.write(QStringLiteral("d:\\readme.txt"), "read me");
    job.setExtraPath(QStringLiteral("d:\\readme.txt"));
    job.setAutoNumbering(true);
    job.setDizLine(QStringLiteral("1"));
    job.setDizColumn(QStringLiteral("1"));
    run->runJob();

    EXPECT_EQ(zip.listsFor(target(1)).size(), 4);
    for (int n = 2; n <= 5; ++n)
        EXPECT_EQ(zip.listsFor(target(n)), (Steps{volumeName(n) + QLatin1Char('\r'), appFile(QStringLiteral("file_id.diz"))}));
    EXPECT_EQ(numberingChecks, 1);
    EXPECT_EQ(home.read(home.homeDos() + QStringLiteral("\\file_id.diz")), "numbered 5");
}

TEST_F(RunFixture, PlainDescriptionIsCopiedWritable)
{
    const QString diz = home.host(QStringLiteral("d:\\file_id.diz"));
    QFile::setPermissions(diz, QFileDevice::ReadOwner);
    run->runJob();
    run->runJob();
    const QString staged = home.host(home.homeDos() + QStringLiteral("\\file_id.diz"));
    EXPECT_EQ(home.read(home.homeDos() + QStringLiteral("\\file_id.diz")), "desc\r\n");
    EXPECT_TRUE(QFile::permissions(staged) & QFileDevice::WriteOwner);
    EXPECT_EQ(presenter.shown.size(), 2);
}

struct Refusal {
    const char* name;
    std::function<void(RipJob&)> spoil;
    PageId page;
    std::optional<FocusTarget> focus;
    const char* notice; // what the page then says
};

const Refusal kRefusals[] = {
    {"source", [](RipJob& j) { j.setSourcePath({}); }, PageId::Source, {}, "Choose a source first"},
    {"diz", [](RipJob& j) { j.setDizPath({}); j.setNfoPath({}); }, PageId::Diz, {},
     "Choose a description file (file_id.diz) first"},
    {"column", [](RipJob& j) { j.setAutoNumbering(true); j.setDizLine("2"); }, PageId::Diz, FocusTarget::DizColumn,
     "Type the column the volume number goes in first"},
    {"line", [](RipJob& j) { j.setAutoNumbering(true); j.setDizColumn("2"); }, PageId::Diz, FocusTarget::DizLine,
     "Type the line the volume number goes on first"},
    {"nfo", [](RipJob& j) { j.setNfoPath({}); j.setZipDirectory({}); }, PageId::Nfo, {},
     "Choose an information file (.nfo) first"},
    {"zipdir", [](RipJob& j) { j.setZipDirectory({}); }, PageId::Zip, {}, "Choose a folder for the ZIPs first"},
    {"name", [](RipJob& j) { j.setZipBaseName({}); }, PageId::Zip, FocusTarget::ZipName, "Type a base name for the ZIPs first"},
};

class RunRefusal : public RunFixture, public ::testing::WithParamInterface<std::tuple<int, LaunchMode>>
{
};

TEST_P(RunRefusal, EndsOnThePageOfTheFirstProblemOrEndsTheApplication)
{
    const Refusal& c = kRefusals[std::get<0>(GetParam())];
    app.launchMode = std::get<1>(GetParam());
    c.spoil(job);
    // The last run's values are gone before the checks of this one.
    view.run.status = view.run.zipName = QStringLiteral("game03.zip");
    view.run.counter = QStringLiteral(" 3 of 3");
    view.run.progress = 42;
    run->runJob();
    EXPECT_EQ(view.run.status, QString());
    EXPECT_EQ(view.run.counter, QString());
    EXPECT_EQ(view.run.progress, 0);
    EXPECT_EQ(*view.notice(c.page), app.launchMode == LaunchMode::Interactive ? QString::fromUtf8(c.notice) : QString());
    EXPECT_TRUE(zip.adds.isEmpty());
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok001")));
    EXPECT_TRUE(home.messages.shown.isEmpty());
    if (app.launchMode == LaunchMode::Interactive) {
        EXPECT_EQ(home.shell.lastPage(), c.page);
        EXPECT_EQ(home.shell.focuses, c.focus ? QList<FocusTarget>{*c.focus} : QList<FocusTarget>{});
        EXPECT_EQ(home.shell.endCalls, 0);
    } else {
        EXPECT_TRUE(home.shell.pages.isEmpty());
        EXPECT_EQ(home.shell.endCalls, 1);
        EXPECT_NE(home.shell.exitCode, 0);
        EXPECT_FALSE(home.shell.endReason.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, RunRefusal,
                         ::testing::Combine(::testing::Range(0, int(std::size(kRefusals))),
                                            ::testing::Values(LaunchMode::Interactive, LaunchMode::AutoRun)),
                         [](const auto& info) {
                             return std::string(kRefusals[std::get<0>(info.param)].name)
                                 + (std::get<1>(info.param) == LaunchMode::Interactive ? "_interactive" : "_unattended");
                         });

TEST_F(RunFixture, ArchivesOnlyChecksOnlyTheNameAndKeepsTheVolumes)
{
    job.setDizPath({});
    job.setNfoPath({});
    job.setZipDirectory({});
    job.setArchivesOnly(true);
    job.setAutoNumbering(true);
    home.write(QStringLiteral("e:\\zips\\game01.zip"), "old");
    run->runJob();

    EXPECT_TRUE(home.messages.shown.isEmpty()) << "no duplicate question";
    EXPECT_EQ(numberingChecks, 0);
    EXPECT_TRUE(zip.adds.isEmpty());
    EXPECT_EQ(view.run.counter, QStringLiteral(" 3 Rar's"));
    EXPECT_EQ(workFiles().size(), 3);
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].archivePath, QStringLiteral(" c:\\Zavok001"));
    EXPECT_EQ(presenter.shown[0].archiveType, QStringLiteral(" Rar's only"));
}

class BadBaseName : public RunFixture, public ::testing::WithParamInterface<std::tuple<const char*, LaunchMode>>
{
};

TEST_P(BadBaseName, IsRefusedWithAMessageOrSilentlyWhenUnattended)
{
    app.launchMode = std::get<1>(GetParam());
    job.setZipBaseName(QString::fromLatin1(std::get<0>(GetParam())));
    run->runJob();
    EXPECT_TRUE(zip.adds.isEmpty());
    if (app.launchMode == LaunchMode::Interactive) {
        ASSERT_EQ(home.messages.shown.size(), 1);
        EXPECT_EQ(home.messages.shown[0].title, QStringLiteral("Zavok32 error"));
        EXPECT_EQ(home.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(home.shell.focuses, QList<FocusTarget>{FocusTarget::ZipName});
    } else {
        EXPECT_TRUE(home.messages.shown.isEmpty());
        EXPECT_EQ(home.shell.endCalls, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, BadBaseName,
                         ::testing::Combine(::testing::Values("my game", "../x"),
                                            ::testing::Values(LaunchMode::Interactive, LaunchMode::AutoRunDated)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)[0] == 'm' ? "blank" : "slash")
                                 + (std::get<1>(info.param) == LaunchMode::Interactive ? "_interactive" : "_unattended");
                         });

TEST_F(RunFixture, CapitalsInTheBaseNameBecomeLowerCase)
{
    job.setZipBaseName(QStringLiteral("GaMe"));
    run->runJob();
    EXPECT_EQ(job.zipBaseName(), QStringLiteral("game"));
    EXPECT_EQ(zip.adds.first().target, target(1));
}

TEST_F(RunFixture, DuplicateNameAsksAndCancelKeepsEverything)
{
    home.write(QStringLiteral("e:\\zips\\game01.zip"), "old");
    home.messages.answers.push_back(MessageResult::Cancel);
    run->runJob();
    ASSERT_EQ(home.messages.shown.size(), 1);
    const ShownMessage& asked = home.messages.shown[0];
    EXPECT_EQ(asked.text, QStringLiteral("Duplicate zip name in zip directory\nadd to it?"));
    EXPECT_EQ(asked.title, QStringLiteral("Zavok32 error"));
    EXPECT_EQ(asked.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(asked.icon, MessageIcon::Exclamation);
    EXPECT_EQ(home.shell.lastPage(), PageId::Zip);
    EXPECT_EQ(home.shell.focuses, QList<FocusTarget>{FocusTarget::ZipName});
    EXPECT_TRUE(zip.adds.isEmpty());
    EXPECT_EQ(home.read(QStringLiteral("e:\\zips\\game01.zip")), "old");

    home.messages.answers.push_back(MessageResult::Ok);
    run->runJob();
    EXPECT_EQ(home.messages.shown.size(), 2);
    EXPECT_EQ(presenter.shown.size(), 1);
}

TEST_F(RunFixture, NumberingThatDoesNotFitEndsTheRun)
{
    job.setAutoNumbering(true);
    job.setDizLine(QStringLiteral("40"));
    job.setDizColumn(QStringLiteral("2"));
    numberingFits = false;
    run->runJob();
    EXPECT_TRUE(zip.adds.isEmpty());
    EXPECT_EQ(home.shell.endCalls, 0);

    app.launchMode = LaunchMode::AutoRun;
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 1);
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok001")));
}

TEST_F(RunFixture, PlanChoosesNumberingAndRefusesSetsOverNineHundredNinetyNine)
{
    // 99 volumes of 1,500,000 bytes keep two digits; one more megabyte does not.
    job.setSourceMegabytes(148.5f);
    run->runJob();
    EXPECT_FALSE(state.threeDigitNumbering);
    EXPECT_EQ(state.archiveExtension, QStringLiteral(".rar"));

    forgetLeftovers();
    job.setSourceMegabytes(149.5f);
    run->runJob();
    EXPECT_TRUE(state.threeDigitNumbering);
    EXPECT_EQ(state.archiveExtension, QStringLiteral(".001"));

    forgetLeftovers();
    job.setSourceMegabytes(1498.5f); // exactly 999
    run->runJob();
    EXPECT_TRUE(home.messages.shown.isEmpty());

    forgetLeftovers();
    for (const LaunchMode mode : {LaunchMode::Interactive, LaunchMode::AutoRun}) {
        app.launchMode = mode;
        home.shell = FakeShell();
        const qsizetype adds = zip.adds.size();
        job.setSourceMegabytes(1500.0f);
        run->runJob();
        ASSERT_FALSE(home.messages.shown.isEmpty());
        const ShownMessage& m = home.messages.shown.last();
        EXPECT_EQ(m.text, QStringLiteral("Can't have more than 999 files in the set\rRaise the achive size, or choose a source with a smaller size"));
        EXPECT_EQ(m.title, QStringLiteral("Zavok error"));
        EXPECT_EQ(m.icon, MessageIcon::Stop);
        EXPECT_EQ(zip.adds.size(), adds);
        EXPECT_EQ(home.shell.endCalls, 0) << "the application stays open";
    }
    EXPECT_EQ(home.messages.shown.size(), 2);

    // Size step 0: one archive, never three digits, never the limit.
    app.launchMode = LaunchMode::Interactive;
    forgetLeftovers();
    job.setArchiveSizeStep(0);
    job.setArchiver(Archiver::Ace);
    job.setArchiveCompression(5);
    run->runJob();
    EXPECT_FALSE(state.threeDigitNumbering);
    EXPECT_EQ(state.archiveExtension, QStringLiteral(".ace"));
    EXPECT_EQ(job.archiveCompression(), 3) << "ACE always packs at Normal";
    EXPECT_EQ(home.messages.shown.size(), 2);
}

TEST_F(RunFixture, WorkDirectoryTakesTheFirstFreeName)
{
    home.write(QStringLiteral("c:\\Zavok001"), "a file, not a folder");
    QDir().mkpath(home.host(QStringLiteral("c:\\")) + QStringLiteral("/Zavok002"));
    volumesToMake = 0;
    run->runJob();
    EXPECT_EQ(state.workDirectory, QStringLiteral("c:\\Zavok003"));
    EXPECT_EQ(workdirectory::name(QLatin1Char('x'), 1000), QStringLiteral("x:\\Zavok1000"));
}

TEST_F(RunFixture, NothingMadeEndsAsAborted)
{
    volumesToMake = 0;
    run->runJob();
    EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok001")));

    app.launchMode = LaunchMode::AutoRun;
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 1) << "an unattended run that made nothing fails";
    EXPECT_NE(home.shell.exitCode, 0);
    EXPECT_EQ(home.shell.closeCalls, 0);
}

TEST_F(RunFixture, UnattendedRunShowsNoReportAndClosesTheWindow)
{
    app.launchMode = LaunchMode::AutoRunDated;
    run->runJob();
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(home.shell.pages, QList<PageId>{PageId::Run}) << "the run page comes after the archiver";
    EXPECT_EQ(home.shell.closeCalls, 1);
    EXPECT_EQ(home.shell.endCalls, 0);
    EXPECT_EQ(zip.adds.size(), 9);
}

TEST_F(RunFixture, FailedZipStepKeepsThisAndLaterVolumes)
{
    volumesToMake = 4;
    zip.failAt = 5; // the first add for the second ZIP
    run->runJob();
    EXPECT_EQ(zip.adds.size(), 5);
    EXPECT_EQ(workFiles(), (Steps{"game.r00", "game.r01", "game.r02"}));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(home.messages.shown.isEmpty());
    EXPECT_TRUE(view.window.listBarEnabled);
    EXPECT_FALSE(view.window.busyPointer);
    EXPECT_EQ(state.volumeCount, 0);
    EXPECT_EQ(view.run.progress, 0);
    EXPECT_EQ(zip.zipCalls, (Steps{"start", "finish", "start", "drop"})) << "the failed ZIP's adds are never written";

    // Run again unattended, it goes on from the second ZIP, and stops there.
    app.launchMode = LaunchMode::AutoRun;
    zip.adds.clear();
    zip.failAt = 2;
    run->runJob();
    EXPECT_EQ(home.shell.reported, Steps{"continuing the interrupted run in c:\\Zavok001: 1 of 4 ZIPs are done"});
    EXPECT_EQ(zip.adds.first().target, target(2));
    EXPECT_EQ(home.shell.endCalls, 1);
    EXPECT_NE(home.shell.exitCode, 0);
    EXPECT_EQ(workFiles(), (Steps{"game.r00", "game.r01", "game.r02"}));
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok002")));
}

TEST_F(RunFixture, AZipWhoseOneWriteFailsKeepsItsVolumeAndEveryLaterOne)
{
    volumesToMake = 4;
    zip.finishFailsAt = 2;
    run->runJob();
    EXPECT_EQ(zip.zipCalls, (Steps{"start", "finish", "start", "finish"}));
    EXPECT_EQ(zip.adds.size(), 6) << "every add of the second ZIP answered before its write";
    EXPECT_EQ(workFiles(), (Steps{"game.r00", "game.r01", "game.r02"}));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(view.window.listBarEnabled);

    // A failure that is no ZIP step (the extra went missing) drops the held
    // adds too, so the next run's ZIP does not start with them.
    zip = FakeZipComponent();
    zip.drives = &home.drives;
    forgetLeftovers();
    job.chooseExtra(ExtraChoice::File);
    job.setExtraPath(QStringLiteral("d:\\gone.txt"));
    run->runJob();
    EXPECT_EQ(zip.zipCalls, (Steps{"start", "drop"}));
    EXPECT_EQ(home.messages.shown.size(), 1);
}

TEST_F(RunFixture, AbortAndExitStopThePackaging)
{
    job.setSourcePath(QStringLiteral("d:\\src"));
    zip.whileAdding = [this](int index) {
        if (index == 2) {
            job.setSourcePath(QStringLiteral("d:\\elsewhere"));
            run->runJob(); // a second Zavok! while packaging does nothing
            run->abortRun();
        }
    };
    run->runJob();
    EXPECT_EQ(zip.adds.size(), 2);
    EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
    EXPECT_EQ(job.sourcePath(), QStringLiteral("d:\\src"));
    EXPECT_EQ(workFiles().size(), 3);
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_EQ(home.shell.closeCalls, 0);

    zip.adds.clear();
    bool stoppedAtStart = true;
    zip.whileAdding = [&](int index) {
        if (index == 1) {
            stoppedAtStart = zip.stop;
            run->exitRun();
        }
    };
    run->runJob();
    EXPECT_FALSE(stoppedAtStart) << "a new run clears the stop flag first";
    EXPECT_EQ(zip.adds.size(), 1);
    EXPECT_EQ(home.shell.closeCalls, 1);
}

TEST_F(RunFixture, UnexpectedFailuresEndWithTheCatchAllMessage)
{
    QFile::remove(home.host(QStringLiteral("d:\\file_id.diz")));
    run->runJob();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].text, QStringLiteral("Ripping error, check your *.zvk file"));
    EXPECT_EQ(home.messages.shown[0].title, QStringLiteral("Zavok32"));
    EXPECT_EQ(home.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(workFiles().size(), 3) << "the volumes stay";
    EXPECT_TRUE(view.window.listBarEnabled);
    EXPECT_FALSE(state.sourceTextSaved);

    app.launchMode = LaunchMode::AutoRun;
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 1);
    EXPECT_NE(home.shell.exitCode, 0);
    EXPECT_TRUE(home.shell.endReason.contains(QStringLiteral("description")));
}

TEST_F(RunFixture, WorkDirectoryThatIsNotEmptyAtTheEndIsAFailure)
{
    volumesToMake = 1;
    zip.whileAdding = [this](int index) {
        if (index == 1)
            home.write(state.workDirectory + QStringLiteral("\\stray.txt"), "x");
    };
    run->runJob();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].text, QStringLiteral("Ripping error, check your *.zvk file"));
    EXPECT_TRUE(exists(QStringLiteral("c:\\Zavok001\\stray.txt")));
}

TEST_F(RunFixture, ZipCommentRules)
{
    job.setUseZipComment(true);
    const QString comment = home.homeDos() + QStringLiteral("\\zcomment.ini");
    home.write(comment, QByteArray(32000, 'c'));
    run->runJob();
    ASSERT_FALSE(zip.adds.isEmpty());
    EXPECT_EQ(zip.adds.last().comment.size(), 31999);

    zip = FakeZipComponent();
    zip.drives = &home.drives;
    forgetLeftovers();
    home.write(comment, QByteArray(320000, 'c'));
    run->runJob();
    EXPECT_FALSE(zip.commentSet) << "a comment file this large is ignored";
    EXPECT_EQ(presenter.shown.size(), 2);

    zip = FakeZipComponent();
    zip.drives = &home.drives;
    forgetLeftovers();
    home.write(comment, QByteArray(65537, 'c'));
    run->runJob();
    EXPECT_TRUE(zip.adds.isEmpty()) << "no ZIP is started with a comment no ZIP can hold";
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_TRUE(home.messages.shown[0].text.startsWith(QStringLiteral("The ZIP comment is longer than 65,535 bytes")));

    forgetLeftovers();
    home.write(comment, QByteArray(65536, 'c'));
    run->runJob();
    EXPECT_EQ(zip.adds.last().comment.size(), 65535);

    for (const QByteArray& bytes : {QByteArray(), QByteArray("gone")}) {
        zip = FakeZipComponent();
        zip.drives = &home.drives;
        forgetLeftovers();
        home.messages.shown.clear();
        if (bytes.isEmpty())
            home.write(comment, bytes);
        else
            QFile::remove(home.host(comment));
        run->runJob();
        EXPECT_TRUE(zip.adds.isEmpty());
        ASSERT_EQ(home.messages.shown.size(), 1);
        EXPECT_EQ(home.messages.shown[0].text, QStringLiteral("Ripping error, check your *.zvk file"));
    }
}

TEST(RipRunLevels, ZipLevelsFollowTheCompressionList)
{
    const int expected[] = {0, 1, 4, 6, 7, 9};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(RipRun::zipLevelFor(i), expected[i]);
    EXPECT_EQ(RipRun::zipLevelFor(-1), -1);
    EXPECT_EQ(RipRun::zipLevelFor(6), -1);
}

TEST_F(RunFixture, AnArchiverThatFailsOrIsKilledPackagesNothingAndSaysWhereItsVolumesAre)
{
    volumesToMake = 2;
    int runs = 0;
    for (const ProcessEnd& end : {ProcessEnd::exited(QStringLiteral("wrar.exe"), 1), ProcessEnd::signalled(QStringLiteral("wrar.exe"), 9)}) {
        archiverEnd = end;
        home.messages.shown.clear();
        run->runJob();
        const QString work = QStringLiteral("c:\\Zavok00") + QString::number(++runs);
        SCOPED_TRACE(work.toStdString());
        EXPECT_TRUE(zip.adds.isEmpty());
        EXPECT_EQ(QDir(home.host(work)).entryList({"game.*"}, QDir::Files), (Steps{"game.r00", "game.rar"}));
        EXPECT_TRUE(presenter.shown.isEmpty());
        EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
        // The second run is told that the first cannot be continued.
        ASSERT_EQ(home.messages.shown.size(), runs);
        if (runs == 2) {
            EXPECT_TRUE(home.messages.shown[0].text.startsWith(
                "The interrupted run in c:\\Zavok001 cannot be continued: the archiver had not finished its set."));
        }
        const ShownMessage& told = home.messages.shown.last();
        EXPECT_EQ(told.title, QStringLiteral("Zavok32 error"));
        EXPECT_EQ(told.icon, MessageIcon::Stop);
        EXPECT_TRUE(told.text.contains(end.describe())) << told.text.toStdString();
        EXPECT_TRUE(told.text.contains(QStringLiteral("No ZIP was made")));
        EXPECT_TRUE(told.text.contains(work + QStringLiteral(" (") + home.host(work) + QLatin1Char(')')));
        EXPECT_EQ(state.volumeCount, 0);
        EXPECT_FALSE(state.sourceTextSaved);
    }
    EXPECT_EQ(home.shell.endCalls, 0);

    app.launchMode = LaunchMode::AutoRun;
    home.messages.shown.clear();
    run->runJob();
    EXPECT_TRUE(home.messages.shown.isEmpty());
    EXPECT_EQ(home.shell.endCalls, 1);
    EXPECT_EQ(home.shell.exitCode, 3);
    EXPECT_TRUE(home.shell.endReason.contains(QStringLiteral("c:\\Zavok003"))) << home.shell.endReason.toStdString();
    EXPECT_EQ(home.shell.closeCalls, 0);
    EXPECT_TRUE(zip.adds.isEmpty());

    // One that wrote nothing leaves no empty work directory behind.
    app.launchMode = LaunchMode::Interactive;
    volumesToMake = 0;
    archiverEnd = ProcessEnd::exited(QStringLiteral("wrar.exe"), 2);
    home.messages.shown.clear();
    run->runJob();
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok004")));
    ASSERT_FALSE(home.messages.shown.isEmpty());
    EXPECT_TRUE(home.messages.shown.last().text.contains(QStringLiteral("wrote no volume")));
}

TEST_F(RunFixture, AnArchiverThatCannotStartIsNamedAndNothingIsLeft)
{
    volumesToMake = 0;
    archiverEnd = ProcessEnd::notStarted(QStringLiteral("wrar.exe"), QStringLiteral("not on PATH"));
    run->runJob();
    EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok001")));
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_TRUE(home.messages.shown[0].text.startsWith(QStringLiteral("The archiver wrar could not be started: not on PATH")));

    app.launchMode = LaunchMode::AutoRun;
    run->runJob();
    EXPECT_EQ(home.shell.exitCode, 3);
    EXPECT_TRUE(home.shell.endReason.contains(QStringLiteral("not on PATH")));
}

TEST_F(RunFixture, ArchivesOnlyKeepsTheVolumesOfAFailedArchiverAndSaysSo)
{
    job.setArchivesOnly(true);
    volumesToMake = 2;
    archiverEnd = ProcessEnd::exited(QStringLiteral("wrar.exe"), 1);
    run->runJob();
    EXPECT_EQ(workFiles().size(), 2);
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_FALSE(home.messages.shown[0].text.contains(QStringLiteral("ZIP")));
    EXPECT_TRUE(presenter.shown.isEmpty());
}

struct ExtraClashCase {
    const char* name;
    bool isFile;
    const char* path;  // the extra, or a file in the extra folder
    const char* clash; // what the message names
};

class ExtraClash : public RunFixture, public ::testing::WithParamInterface<ExtraClashCase>
{
};

TEST_P(ExtraClash, IsRefusedBeforeAnythingIsMadeOrDeleted)
{
    const ExtraClashCase& c = GetParam();
    home.write(QString::fromLatin1(c.path), "the user's own");
    home.write(QStringLiteral("d:\\extras\\harmless.txt"), "x");
    if (c.isFile) {
        job.chooseExtra(ExtraChoice::File);
        job.setExtraPath(QString::fromLatin1(c.path));
    } else {
        job.chooseExtra(ExtraChoice::Directory);
        job.setExtraPath(QStringLiteral("d:\\extras"));
    }
    home.write(QStringLiteral("e:\\zips\\game01.zip"), "old");
    home.messages.answers.push_back(MessageResult::Ok); // add to the existing ZIPs
    run->runJob();

    EXPECT_TRUE(zip.adds.isEmpty());
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok001"))) << "the archiver did not even run";
    EXPECT_EQ(home.read(QStringLiteral("e:\\zips\\game01.zip")), "old");
    ASSERT_EQ(home.messages.shown.size(), 2);
    const ShownMessage& told = home.messages.shown[1];
    EXPECT_EQ(told.icon, MessageIcon::Stop);
    EXPECT_TRUE(told.text.contains(QString::fromLatin1(c.clash))) << told.text.toStdString();
    EXPECT_TRUE(told.text.contains(QStringLiteral("Nothing was packaged")));
    EXPECT_EQ(home.shell.lastPage(), PageId::Nfo);

    app.launchMode = LaunchMode::AutoRun;
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 1);
    EXPECT_EQ(home.shell.exitCode, 2);
    EXPECT_TRUE(home.shell.endReason.contains(QString::fromLatin1(c.clash)));
    EXPECT_TRUE(zip.adds.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, ExtraClash,
                         ::testing::Values(ExtraClashCase{"FirstVolume", false, "d:\\extras\\game.rar", "game.rar"},
                                           ExtraClashCase{"LaterVolume", false, "d:\\extras\\Game.R07", "Game.R07"},
                                           ExtraClashCase{"Description", false, "d:\\extras\\FILE_ID.DIZ", "FILE_ID.DIZ"},
                                           ExtraClashCase{"Information", false, "d:\\extras\\info.nfo", "info.nfo"},
                                           ExtraClashCase{"ExtraFile", true, "d:\\other\\file_id.diz", "the description"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunFixture, ExtraFilesOfOtherNamesGoInAsBefore)
{
    job.chooseExtra(ExtraChoice::Directory);
    job.setExtraPath(QStringLiteral("d:\\extras"));
    home.write(QStringLiteral("d:\\extras\\game.txt"), "x");
    home.write(QStringLiteral("d:\\extras\\sub\\file_id.diz"), "deeper: not at the top of the ZIP");
    run->runJob();
    EXPECT_EQ(presenter.shown.size(), 1);
    EXPECT_TRUE(home.messages.shown.isEmpty());
}

TEST_F(RunFixture, TwoRunsStartedTogetherOnOneSetDoNotMix)
{
    // A second program with its own job and state, aimed at the same ZIP
    // folder and base name, is started while the first is archiving.
    RipJob otherJob;
    RipRunState otherState;
    AppState otherApp;
    ViewState otherView;
    FakeMessageBox otherMessages;
    FakeShell otherShell;
    Services otherServices = home.services;
    otherServices.messages = &otherMessages;
    otherServices.shell = &otherShell;
    otherJob.setSourcePath(QStringLiteral("d:\\src"));
    otherJob.setDizPath(QStringLiteral("d:\\file_id.diz"));
    otherJob.setNfoPath(QStringLiteral("d:\\info.nfo"));
    otherJob.setZipDirectory(QStringLiteral("e:\\zips"));
    otherJob.setZipBaseName(QStringLiteral("GAME"));
    otherJob.setSourceMegabytes(4.0f);
    RipRun other(RunContext{otherJob, otherState, otherApp, otherView, otherServices, steps(), nullptr});

    RunSteps first = steps();
    const auto archive = first.runArchiver;
    const QString zipsHost = home.host(QStringLiteral("e:\\zips"));
    SetLock::Result otherName = SetLock::Result::Failed;
    first.runArchiver = [&] {
        other.runJob();
        otherApp.launchMode = LaunchMode::AutoRun;
        other.runJob();
        SetLock probe;
        otherName = probe.acquire(zipsHost, QStringLiteral("another"));
        return archive();
    };
    run = std::make_unique<RipRun>(RunContext{job, state, app, view, home.services, first, &presenter});
    run->runJob();

    ASSERT_EQ(otherMessages.shown.size(), 1);
    EXPECT_EQ(otherMessages.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(otherMessages.shown[0].text.contains(QStringLiteral("is writing the set game in e:\\zips")))
        << otherMessages.shown[0].text.toStdString();
    EXPECT_EQ(otherShell.focuses, QList<FocusTarget>{FocusTarget::ZipName});
    EXPECT_EQ(otherShell.endCalls, 1);
    EXPECT_EQ(otherShell.exitCode, 5);
    EXPECT_EQ(zip.adds.size(), 9) << "only the first run's ZIPs";
    EXPECT_EQ(presenter.shown.size(), 1);
    EXPECT_FALSE(exists(QStringLiteral("c:\\Zavok002")));
    EXPECT_EQ(otherName, SetLock::Result::Locked) << "another base name never waits";

    // Once the first run has ended, the set is free again.
    EXPECT_FALSE(QFileInfo::exists(zipsHost + QLatin1Char('/') + SetLock::fileName(QStringLiteral("game"))));
    SetLock after;
    EXPECT_EQ(after.acquire(zipsHost, QStringLiteral("game")), SetLock::Result::Locked);
}

TEST_F(RunFixture, ALongRunTheUserDidNotWatchEndsWithADesktopNotification)
{
    FakeNotifier notifier;
    home.services.notifier = &notifier;
    qint64 now = 0;
    run->progress().setClock([&now] { return now += 2000; });

    run->runJob();
    EXPECT_TRUE(notifier.shown.isEmpty()) << "watched";

    home.shell.active = false;
    run->runJob();
    EXPECT_EQ(notifier.shown, QStringList{"The set is ready: 3 ZIPs of game in e:\\zips"});

    archiverEnd = ProcessEnd::exited(QStringLiteral("wrar.exe"), 2);
    notifier.shown.clear();
    run->runJob();
    EXPECT_EQ(notifier.shown,
              QStringList{"The run failed: The archiver wrar ended with exit status 2 before the set was complete."});
}

TEST_F(RunFixture, AnExtraThatCouldPushAZipPastAFloppyIsToldBeforeTheRun)
{
    job.setArchiveSizeStep(3);
    job.chooseExtra(ExtraChoice::File);
    job.setExtraPath(QStringLiteral("d:\\big.txt"));
    home.write(QStringLiteral("d:\\big.txt"), QByteArray(20000, 'x'));

    // At the window: Cancel goes to the Nfo page and nothing runs; OK goes on.
    home.messages.answers.push_back(MessageResult::Cancel);
    run->runJob();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_TRUE(home.messages.shown[0].text.startsWith(QStringLiteral("The extra d:\\big.txt (20,000 bytes) goes into every ZIP.")))
        << home.messages.shown[0].text.toStdString();
    EXPECT_EQ(home.messages.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(home.shell.lastPage(), PageId::Nfo);
    EXPECT_TRUE(zip.adds.isEmpty());
    run->runJob();
    EXPECT_EQ(presenter.shown.size(), 1);

    // Unattended: one line on the error output, and the run goes on. In the
    // first ZIP only, or at another step, there is nothing to tell.
    app.launchMode = LaunchMode::AutoRun;
    run->runJob();
    ASSERT_EQ(home.shell.warnings.size(), 1);
    EXPECT_FALSE(home.shell.warnings[0].contains(QLatin1Char('\r')));
    EXPECT_EQ(home.shell.closeCalls, 1);
    job.setFirstZipOnly(1);
    run->runJob();
    job.setFirstZipOnly(0);
    job.setArchiveSizeStep(2);
    run->runJob();
    home.write(QStringLiteral("d:\\big.txt"), QByteArray(2000, 'x'));
    job.setArchiveSizeStep(3);
    run->runJob();
    EXPECT_EQ(home.shell.warnings.size(), 1);
    EXPECT_EQ(home.messages.shown.size(), 2);
}
