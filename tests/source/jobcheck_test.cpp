#include "job/exitstatus.h"
#include "sourcefixture.h"

#include "job/pagenotices.h"
#include "source/jobcheck.h"

#include <QDir>

// A complete job on real files: d:\games with an extras folder and a
// readme, a description, an information file, an extra and a ZIP folder.
class JobCheckTest : public SourceTest
{
protected:
    JobCheckTest()
        : check(job, app, t.services)
    {
        t.write("d:\\games\\extras\\map.dat", "m");
        t.write("d:\\games\\readme.txt", "r");
        t.write("d:\\games\\docs\\manual.txt", "m");
        t.write("d:\\text\\file_id.diz", "desc");
        t.write("d:\\text\\game.nfo", "info");
        t.write("d:\\text\\extra.txt", "extra");
        QDir().mkpath(t.host("d:\\zips"));

        job.setSourcePath("d:\\games");
        job.setSkipEntries("extras\\*.*\r\nreadme.txt\r\n");
        job.setDizPath("d:\\text\\file_id.diz");
        job.setAutoNumbering(true);
        job.setDizColumn("10");
        job.setDizLine("3");
        job.setNfoPath("d:\\text\\game.nfo");
        job.chooseExtra(ExtraChoice::File);
        job.setExtraPath("d:\\text\\extra.txt");
        job.setZipDirectory("d:\\zips");
        job.setZipBaseName("game");
        check.checkDizNumbering = [this] {
            ++numberingChecks;
            return numberingFits;
        };
    }

    // What one pass asked of the window, as text, so that a failure shows
    // the whole sequence.
    QString pass()
    {
        t.shell.pages.clear();
        t.shell.focuses.clear();
        t.messages.shown.clear();
        check.checkJob();
        QStringList steps;
        for (PageId page : t.shell.pages)
            steps << QStringLiteral("page %1").arg(int(page));
        for (FocusTarget target : t.shell.focuses)
            steps << QStringLiteral("focus %1").arg(int(target));
        for (const auto& message : t.messages.shown)
            steps << message.text;
        if (job.readyToRun())
            steps << "ready";
        return steps.join(" | ");
    }

    static QString page(PageId id) { return QStringLiteral("page %1").arg(int(id)); }
    static QString focus(FocusTarget target) { return QStringLiteral("focus %1").arg(int(target)); }

    JobCheck check;
    bool numberingFits = true;
    int numberingChecks = 0;
};

TEST_F(JobCheckTest, ACompleteJobIsReadyWithoutShowingAnything)
{
    job.setReadyToRun(false);
    EXPECT_EQ(pass(), "ready");
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\nreadme.txt\r\n");
    EXPECT_EQ(numberingChecks, 1);
    EXPECT_EQ(app.launchMode, LaunchMode::Interactive);

    // An image file is a source too.
    t.write("d:\\cd\\game.iso", "iso");
    job.setSourcePath("d:\\cd\\game.iso");
    job.setSkipEntries("");
    EXPECT_EQ(pass(), "ready");
}

TEST_F(JobCheckTest, TheFirstProblemDecidesThePage)
{
    // Everything wrong at once; mend one thing after the other and the check
    // moves on through the job in its fixed order.
    job.setSourcePath("");
    job.setDizPath("d:\\text\\gone.diz");
    job.setDizColumn("");
    job.setDizLine("");
    job.setNfoPath("d:\\text\\gone.nfo");
    job.setExtraPath("d:\\text\\gone.txt");
    job.setZipDirectory("");
    job.setZipBaseName("");
    numberingFits = false;

    EXPECT_EQ(pass(), page(PageId::Source));
    EXPECT_EQ(job.skipEntries(), "");
    job.setSourcePath("d:\\moved");
    EXPECT_EQ(pass(), page(PageId::Source));
    EXPECT_EQ(job.sourcePath(), "");
    job.setSourcePath("d:\\games");
    EXPECT_EQ(pass(), page(PageId::Diz));
    EXPECT_EQ(job.dizPath(), "");
    EXPECT_EQ(job.nfoPath(), ""); // both emptied before the first page is chosen
    job.setDizPath("d:\\text\\file_id.diz");
    EXPECT_EQ(pass(), page(PageId::Diz) + " | " + focus(FocusTarget::DizColumn));
    job.setDizColumn("10");
    EXPECT_EQ(pass(), page(PageId::Diz) + " | " + focus(FocusTarget::DizLine));
    job.setDizLine("3");
    EXPECT_EQ(pass(), page(PageId::Nfo));
    job.setNfoPath("d:\\text\\game.nfo");
    EXPECT_EQ(pass(), page(PageId::Nfo));
    EXPECT_EQ(job.extraPath(), "");
    EXPECT_EQ(pass(), page(PageId::Zip));
    job.setZipDirectory("d:\\gone");
    EXPECT_EQ(pass(), page(PageId::Zip));
    EXPECT_EQ(job.zipDirectory(), "");
    job.setZipDirectory("d:\\zips");
    EXPECT_EQ(pass(), page(PageId::Zip) + " | " + focus(FocusTarget::ZipName));
    job.setZipBaseName("my gm");
    EXPECT_EQ(pass(), page(PageId::Zip) + " | " + focus(FocusTarget::ZipName) + " | Spaces aren't allowed in filename");
    EXPECT_EQ(job.zipBaseName(), "");
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    job.setZipBaseName("game");
    EXPECT_EQ(numberingChecks, 0);
    EXPECT_EQ(pass(), page(PageId::Diz));
    EXPECT_EQ(numberingChecks, 1);
    numberingFits = true;
    EXPECT_EQ(pass(), "ready");
}

TEST_F(JobCheckTest, EachPageItShowsSaysWhatIsMissingThereUntilItIsMended)
{
    JobCheck told(job, app, t.services, &view);
    told.checkDizNumbering = check.checkDizNumbering;
    PageNotices notices(job, view);
    const auto noticeOn = [&](PageId page) {
        told.checkJob();
        EXPECT_EQ(t.shell.lastPage(), page);
        return *view.notice(page);
    };
    // Spoiled one after the other, in the order the check looks.
    job.setSourcePath("");
    EXPECT_EQ(noticeOn(PageId::Source), "Choose a source first");
    job.setSourcePath("d:\\moved");
    EXPECT_EQ(noticeOn(PageId::Source), "The source d:\\moved is not there any more: choose it again");
    job.setSourcePath("d:\\games");
    EXPECT_EQ(view.source.notice, "") << "mended, and gone";

    const QString diz = job.dizPath();
    job.setDizPath("d:\\text\\gone.diz");
    EXPECT_EQ(noticeOn(PageId::Diz), "The description file d:\\text\\gone.diz is not there any more: choose it again");
    job.setDizPath(diz);
    job.setDizColumn("");
    EXPECT_EQ(noticeOn(PageId::Diz), PageNotices::noColumnText());
    job.setDizColumn("10");
    job.setNfoPath("");
    EXPECT_EQ(noticeOn(PageId::Nfo), PageNotices::noInformationText());
    job.setNfoPath("d:\\text\\game.nfo");
    job.setExtraPath("d:\\text\\gone.txt");
    EXPECT_EQ(noticeOn(PageId::Nfo), "The extra d:\\text\\gone.txt is not there any more: choose it again, or leave it out");
    job.setZipDirectory("d:\\gone");
    EXPECT_EQ(noticeOn(PageId::Zip), "The ZIP folder d:\\gone is not there any more: choose it again");
    job.setZipDirectory("d:\\zips");
    job.setZipBaseName("");
    EXPECT_EQ(noticeOn(PageId::Zip), PageNotices::noBaseNameText());
    job.setZipBaseName("game");
    numberingFits = false;
    EXPECT_EQ(noticeOn(PageId::Diz), PageNotices::numberingText());
    // Mended in the description file, out of the job's sight: the next
    // check starts afresh.
    numberingFits = true;
    told.checkJob();
    EXPECT_TRUE(job.readyToRun());
    for (PageId page : {PageId::Source, PageId::Skip, PageId::Diz, PageId::Nfo, PageId::Zip})
        EXPECT_EQ(*view.notice(page), "") << int(page);
}

TEST_F(JobCheckTest, WithoutNumberingColumnAndLineAreNotNeeded)
{
    job.setAutoNumbering(false);
    job.setDizColumn("");
    job.setDizLine("");
    numberingFits = false;
    EXPECT_EQ(pass(), "ready");
    EXPECT_EQ(numberingChecks, 0);
}

TEST_F(JobCheckTest, TheExtraIsLookedForAsItsChoiceSays)
{
    job.chooseExtra(ExtraChoice::Directory);
    job.setExtraPath("d:\\games\\extras");
    EXPECT_EQ(pass(), "ready");
    job.setExtraPath("d:\\text\\extra.txt"); // a file will do for a directory extra
    EXPECT_EQ(pass(), "ready");
    job.chooseExtra(ExtraChoice::File);
    job.setExtraPath("d:\\games\\extras");
    EXPECT_EQ(pass(), page(PageId::Nfo));
    EXPECT_EQ(job.extraPath(), "");
    // With neither choice marked the path is not looked at.
    job.chooseExtra(ExtraChoice::Neither);
    job.setExtraPath("d:\\nowhere");
    EXPECT_EQ(pass(), "ready");
}

TEST_F(JobCheckTest, MissingSkipItemsAreDroppedOneMessageEachAndTheCheckGoesOn)
{
    job.setSkipEntries("extras\\*.*\r\nmissing\\*.*\r\nreadme.txt\r\nmanual.txt\r\n");
    app.launchMode = LaunchMode::AutoRun;
    check.checkJob();

    EXPECT_TRUE(job.readyToRun());
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\nreadme.txt\r\n");
    ASSERT_EQ(t.messages.shown.size(), 2);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok error");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.messages.shown[0].text, "d:\\games\\missing\\*.* skip folder not found");
    // Entries hold names only: a file deeper in the source is not found.
    EXPECT_EQ(t.messages.shown[1].text, "d:\\games\\manual.txt skip file not found");
    EXPECT_EQ(t.shell.pages, (QList<PageId>{PageId::Skip, PageId::Skip}));
    EXPECT_EQ(t.shell.pendingEventPasses, 2);
    // A person has to see this: the unattended run waits for one now.
    EXPECT_EQ(app.launchMode, LaunchMode::Interactive);
}

TEST_F(JobCheckTest, ADatedUnattendedLaunchStaysUnattendedAfterASkipMessage)
{
    job.setSkipEntries("gone.txt\r\n");
    app.launchMode = LaunchMode::AutoRunDated;
    check.checkJob();
    EXPECT_EQ(t.messages.texts(), (QStringList{"d:\\games\\gone.txt skip file not found"}));
    EXPECT_EQ(app.launchMode, LaunchMode::AutoRunDated);
    EXPECT_EQ(job.skipEntries(), "");
    EXPECT_TRUE(job.readyToRun());
}

TEST_F(JobCheckTest, SkipListsWithoutALineBreakOrAfterAnEmptyLineAreNotTested)
{
    job.setSkipEntries("gone\\*.*");
    EXPECT_EQ(pass(), "ready");
    EXPECT_EQ(job.skipEntries(), "gone\\*.*");

    job.setSkipEntries("extras\\*.*\r\n\r\ngone.txt\r\n");
    EXPECT_EQ(pass(), "ready");
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\n");

    // A last entry without its line break is tested and gets one.
    job.setSkipEntries("extras\\*.*\r\nreadme.txt");
    EXPECT_EQ(pass(), "ready");
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\nreadme.txt\r\n");
}

TEST_F(JobCheckTest, AnEmptySkipFolderStillCounts)
{
    QDir().mkpath(t.host("d:\\games\\saves"));
    job.setSkipEntries("saves\\*.*\r\n");
    EXPECT_EQ(pass(), "ready");
    EXPECT_EQ(job.skipEntries(), "saves\\*.*\r\n");

    // A file named like the folder is no folder.
    t.write("d:\\games\\notes", "n");
    job.setSkipEntries("notes\\*.*\r\n");
    EXPECT_EQ(pass(), page(PageId::Skip) + " | d:\\games\\notes\\*.* skip folder not found | ready");
}

TEST_F(JobCheckTest, ADriveRootSourceJoinsEntriesWithoutADoubledBackslash)
{
    t.write("d:\\extras\\a.dat", "a");
    job.setSourcePath("d:\\");
    job.setSkipEntries("extras\\*.*\r\nnone\\*.*\r\n");
    EXPECT_EQ(pass(), page(PageId::Skip) + " | d:\\none\\*.* skip folder not found | ready");
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\n");
}

TEST_F(JobCheckTest, ArchivesOnlyChecksTheSourceTheNameAndTheNumbering)
{
    job.setArchivesOnly(true);
    job.setSkipEntries("gone\\*.*\r\n");
    job.setDizPath("");
    job.setDizColumn("");
    job.setNfoPath("");
    job.setZipDirectory("");
    EXPECT_EQ(pass(), "ready");
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.skipEntries(), "gone\\*.*\r\n");

    job.setZipBaseName("");
    EXPECT_EQ(pass(), page(PageId::Zip) + " | " + focus(FocusTarget::ZipName));
    job.setZipBaseName("a b");
    EXPECT_EQ(pass(), page(PageId::Zip) + " | " + focus(FocusTarget::ZipName) + " | Spaces aren't allowed in filename");
    job.setZipBaseName("game");
    numberingFits = false;
    EXPECT_EQ(pass(), page(PageId::Diz));
    job.setSourcePath("d:\\moved");
    EXPECT_EQ(pass(), page(PageId::Source));
}

TEST_F(JobCheckTest, ALongSkipListIsHandedToThePageOnceAndAgainOnlyBeforeAMessage)
{
    // Each change redraws the Skip page: one per entry made 10,000 entries
    // take minutes.
    QString entries;
    for (int i = 0; i < 2000; ++i)
        entries += "readme.txt\r\n";
    job.setSkipEntries(entries + "missing.txt\r\n" + entries);
    int changes = 0;
    QObject::connect(&job, &RipJob::changed, [&](RipJob::Field field) { changes += field == RipJob::Field::SkipEntries; });
    check.checkJob();

    EXPECT_EQ(job.skipEntries(), entries + entries);
    EXPECT_EQ(t.messages.shown.size(), 1);
    EXPECT_LE(changes, 3) << "emptied, shown before the message, set at the end";
}

TEST_F(JobCheckTest, UnattendedLaunchesEndSilently)
{
    app.launchMode = LaunchMode::AutoRun;
    job.setZipBaseName("my gm");
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(job.zipBaseName(), "my gm");
    job.setZipBaseName("..\\up");
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(t.shell.endCalls, 0);

    // A numbered description without its place ends the application at once.
    job.setDizColumn("");
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(t.shell.endCalls, 1);
    EXPECT_EQ(t.shell.exitCode, exitstatus::NotRun) << "the job did not run";
    EXPECT_FALSE(t.shell.endReason.isEmpty());
    EXPECT_FALSE(t.shell.endReason.contains('\n'));

    app.launchMode = LaunchMode::AutoRunDated;
    job.setDizColumn("10");
    job.setDizLine("");
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(t.shell.endCalls, 2);
}

TEST_F(JobCheckTest, ANameThatCannotNameAFileIsRefusedLikeABlank)
{
    for (const QString& name : QStringList{"..\\up", "a/b", "c:x", "a*", "a?", "q\"", "<x", "x>", "a|b", "tab\t", QString("c") + QChar(1)}) {
        job.setZipBaseName(name);
        EXPECT_EQ(pass(), page(PageId::Zip) + " | " + focus(FocusTarget::ZipName)
                      + " | Characters \\ / : * ? \" < > | aren't allowed in filename")
            << name.toStdString();
        EXPECT_EQ(job.zipBaseName(), "");
        EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
        EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    }
    job.setZipBaseName("g-1_x.");
    EXPECT_EQ(pass(), "ready");
}

TEST(BaseNameRefusal, NamesTheProblem)
{
    EXPECT_EQ(JobCheck::baseNameRefusal("game"), "");
    EXPECT_EQ(JobCheck::baseNameRefusal(""), "");
    EXPECT_EQ(JobCheck::baseNameRefusal("j\u00e9u"), "");
    EXPECT_EQ(JobCheck::baseNameRefusal("a b"), "Spaces aren't allowed in filename");
    EXPECT_EQ(JobCheck::baseNameRefusal("a b:"), "Spaces aren't allowed in filename");
    EXPECT_EQ(JobCheck::baseNameRefusal("a\\b"), "Characters \\ / : * ? \" < > | aren't allowed in filename");
    EXPECT_EQ(JobCheck::baseNameRefusal(QString("a") + QChar(0x7f)), JobCheck::charactersText());
}
