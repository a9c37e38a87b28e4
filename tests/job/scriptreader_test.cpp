#include "scriptfixture.h"
#include "job/scriptreader.h"

#include <QFileInfo>

TEST_F(ScriptTest, ReadsEveryFieldByItsPlace)
{
    readLines(fullScript());
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.sourcePath(), "d:\\games");
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\nreadme.txt\r\n");
    EXPECT_EQ(job.dizPath(), "d:\\file_id.diz");
    EXPECT_TRUE(job.autoNumbering());
    EXPECT_EQ(job.dizColumn(), "10");
    EXPECT_EQ(job.dizLine(), "3");
    EXPECT_EQ(job.nfoPath(), "d:\\info.nfo");
    EXPECT_EQ(job.firstZipOnly(), 1);
    EXPECT_EQ(job.extraChoice(), ExtraChoice::File);
    EXPECT_EQ(job.extraPath(), "d:\\extra.txt");
    EXPECT_EQ(job.zipDirectory(), "d:\\out");
    EXPECT_EQ(job.zipBaseName(), "mygame");
    EXPECT_EQ(job.archiveSizeStep(), 3);
    EXPECT_EQ(job.archiveCompression(), 5);
    EXPECT_EQ(job.zipCompression(), 2);
    EXPECT_EQ(job.zipCommentPath(), "");
    EXPECT_GT(t.shell.pendingEventPasses, 0);
}

TEST_F(ScriptTest, KeysAreNotLookedAtOnlyPositions)
{
    QStringList lines = fullScript();
    lines[1] = "XXXXXXXXd:\\elsewhere";
    lines[12] = "ZZZZZZFalse"; // " File:" position 7 on
    readLines(lines);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.sourcePath(), "d:\\elsewhere");
    EXPECT_EQ(job.extraChoice(), ExtraChoice::Directory);
    EXPECT_EQ(job.extraPath(), "d:\\extra.txt");
}

TEST_F(ScriptTest, ScriptsWrittenOnWindowsReadInWindows1252)
{
    QByteArray bytes;
    QStringList lines = fullScript();
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    bytes.replace("Source: d:\\games", "Source: d:\\caf\xE9 \x80");
    t.write("d:\\win.zvk", bytes);
    job.setScriptPath("d:\\win.zvk");
    scripts.readScript();
    EXPECT_EQ(job.sourcePath(), QStringLiteral("d:\\caf\u00e9 \u20ac"));
}

TEST_F(ScriptTest, BooleansAndNumbers)
{
    QStringList lines = fullScript();
    lines[7] = "AutoN: 0";
    lines[12] = " File:-1";    // a number other than 0 is true
    lines[16] = " Size: 2.5";  // halves go to the even neighbour
    lines[17] = " Solid:-1";   // nothing chosen reads as Normal
    lines[18] = " Extra:   4x";
    readLines(lines);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_FALSE(job.autoNumbering());
    EXPECT_EQ(job.extraChoice(), ExtraChoice::File);
    EXPECT_EQ(job.archiveSizeStep(), 2);
    EXPECT_EQ(job.archiveCompression(), 3);
    EXPECT_EQ(job.zipCompression(), 4);
}

TEST_F(ScriptTest, SizeStepZeroKeepsALongNameAndAnyOtherCutsItToSix)
{
    QStringList lines = fullScript();
    lines[15] = " name:tencharsxx";
    lines[16] = " Size: 0";
    readLines(lines);
    EXPECT_EQ(job.zipBaseName(), "tencharsxx");
    EXPECT_EQ(job.zipBaseNameBound(), 20);

    lines[16] = " Size: 14";
    readLines(lines);
    EXPECT_EQ(job.zipBaseName(), "tencha");
    EXPECT_EQ(job.zipBaseNameBound(), 6);
}

TEST_F(ScriptTest, TheSizeStepRunsTheZipPageEffectsBeforeTheNameIsCut)
{
    int calls = 0;
    scripts.onSizeStepChanged = [&] {
        ++calls;
        EXPECT_EQ(job.archiveSizeStep(), 3);
        EXPECT_EQ(job.zipBaseName(), "mygame");
    };
    readLines(fullScript());
    EXPECT_EQ(calls, 1);
}

TEST_F(ScriptTest, TheCommentLineIsOptional)
{
    job.setZipCommentPath("d:\\kept.txt");
    QStringList lines = fullScript();
    lines.removeLast();
    readLines(lines);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.zipCommentPath(), "d:\\kept.txt");
    EXPECT_EQ(job.zipCompression(), 2);

    // An empty last line reads without a message and copies nothing.
    readLines(fullScript());
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.zipCommentPath(), "");
    EXPECT_FALSE(QFileInfo::exists(t.home() + "/zcomment.ini"));
}

TEST_F(ScriptTest, AMissingCommentFileIsReportedInEveryModeAndReadingEndsNormally)
{
    app.launchMode = LaunchMode::AutoRun;
    QStringList lines = fullScript();
    lines.last() = "d:\\missing.txt";
    readLines(lines);
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].text, "Zip comment file not found");
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(job.zipCommentPath(), "d:\\missing.txt");
}

TEST_F(ScriptTest, TheCommentFileIsCopiedOverTheWorkingCopy)
{
    t.write(t.homeDos() + "\\zcomment.ini", "old");
    t.write("d:\\Comment.txt", "new comment");
    QStringList lines = fullScript();
    lines.last() = "d:\\comment.txt";
    readLines(lines);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(t.read(t.homeDos() + "\\zcomment.ini"), "new comment");

    // The working copy itself cannot be copied onto itself: an error, and
    // the file stays as it was.
    lines.last() = t.homeDos() + "\\zcomment.ini";
    readLines(lines);
    EXPECT_EQ(t.messages.texts(), QStringList{"Error in Zavok script"});
    EXPECT_EQ(t.read(t.homeDos() + "\\zcomment.ini"), "new comment");
}

TEST_F(ScriptTest, FailuresStopReadingAndKeepWhatWasRead)
{
    struct Case {
        int line;
        QString text;
    };
    const QList<Case> cases = {
        {7, "AutoN: maybe"},   // not a boolean
        {11, " 1st: 2"},       // the check box takes 0 or 1
        {16, " Size: 200"},    // outside the scroll bar
        {16, " Size: 99999"},  // too large for 16 bits
        {17, " Solid: 6"},     // no such compression
        {18, " Extra:-2"},
    };
    for (const Case& c : cases) {
        RipJob fresh;
        job.setSourcePath("old");
        job.setZipCompression(1);
        t.messages.shown.clear();
        QStringList lines = fullScript();
        lines[c.line] = c.text;
        readLines(lines);
        EXPECT_EQ(t.messages.texts(), QStringList{"Error in Zavok script"}) << c.text.toStdString();
        EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
        EXPECT_EQ(job.sourcePath(), "d:\\games") << c.text.toStdString();
        EXPECT_EQ(job.zipCompression(), c.line < 18 ? 1 : 1) << c.text.toStdString();
    }
}

TEST_F(ScriptTest, ShortFilesFailAndAreSilentWhenUnattended)
{
    readLines({"Zavok32 script - x", "Source: d:\\games", "Skip: "});
    EXPECT_EQ(t.messages.texts(), QStringList{"Error in Zavok script"});
    EXPECT_EQ(job.sourcePath(), "d:\\games");

    for (LaunchMode mode : {LaunchMode::AutoRun, LaunchMode::AutoRunDated}) {
        t.messages.shown.clear();
        t.shell.endCalls = 0;
        app.launchMode = mode;
        readLines({"Zavok32 script - x", "Source: d:\\games", "Skip: "});
        EXPECT_TRUE(t.messages.shown.isEmpty());
        EXPECT_EQ(t.shell.endCalls, 1) << "a job read in part must not run";
        EXPECT_EQ(t.shell.endReason, "d:\\job.zvk, line 3: the skip list that starts here has no empty line to end it; "
                                     "the job was not run. Correct the script and start it again.");
    }
}

TEST_F(ScriptTest, UnattendedAScriptThatFailsToReadEndsTheProgramWithTheLineAndWhy)
{
    app.launchMode = LaunchMode::AutoRun;
    struct Case {
        int line;
        QString text;
        QString why;
    };
    const QList<Case> cases = {
        {16, " Size: 99999", "line 17: \" Size: 99999\" is not a number from -32768 to 32767"},
        {16, " Size: 200", "line 17: \" Size: 200\" is not a size step from 0 to 199"},
        {17, " Solid: 7", "line 18: \" Solid: 7\" is not a compression level from 0 to 5, or -1"},
        {18, " Extra:-32769", "line 19: \" Extra:-32769\" is not a number from -32768 to 32767"},
        {7, "AutoN: maybe", "line 8: \"AutoN: maybe\" is not True, False or a number"},
        {11, " 1st: 2", "line 12: \" 1st: 2\" is not 0 or 1"},
    };
    for (const Case& c : cases) {
        t.shell = FakeShell();
        QStringList lines = fullScript();
        lines[c.line] = c.text;
        readLines(lines);
        EXPECT_TRUE(t.messages.shown.isEmpty());
        EXPECT_EQ(t.shell.endCalls, 1) << c.text.toStdString();
        EXPECT_EQ(t.shell.exitCode, 2);
        EXPECT_TRUE(t.shell.endReason.startsWith("d:\\job.zvk, " + c.why)) << t.shell.endReason.toStdString();
    }

    t.shell = FakeShell();
    readLines(fullScript().mid(0, 10));
    EXPECT_TRUE(t.shell.endReason.startsWith("d:\\job.zvk, line 11: the script ends before the Nfo: line"))
        << t.shell.endReason.toStdString();

    t.shell = FakeShell();
    job.setScriptPath("d:\\nothing.zvk");
    scripts.readScript();
    EXPECT_TRUE(t.shell.endReason.startsWith("d:\\nothing.zvk: the script was not found")) << t.shell.endReason.toStdString();

    // A script that reads ends nothing.
    t.shell = FakeShell();
    readLines(fullScript());
    EXPECT_EQ(t.shell.endCalls, 0);

    // Nor does one opened from the menu of a window that an unattended
    // launch left open: that reading fails silently, as it always has.
    app.launchMode = LaunchMode::AutoRunDated;
    t.write("d:\\bad.zvk", "Zavok32 script - x\r\nSource: d:\\games\r\n");
    t.fileDialog.answers.push_back(QStringLiteral("d:\\bad.zvk"));
    scripts.openScript();
    EXPECT_EQ(t.shell.endCalls, 0);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.scriptPath(), "d:\\bad.zvk");
}

TEST_F(ScriptTest, ALongSkipListIsSetInOneGo)
{
    QStringList lines = fullScript();
    QStringList entries;
    for (int i = 0; i < 2000; ++i)
        entries << QStringLiteral("file%1.txt").arg(i);
    lines = lines.mid(0, 3) + entries + lines.mid(5);
    int changes = 0;
    QObject::connect(&job, &RipJob::changed, [&](RipJob::Field f) {
        if (f == RipJob::Field::SkipEntries)
            ++changes;
    });
    readLines(lines);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.skipEntries(), entries.join("\r\n") + "\r\n");
    EXPECT_LE(changes, 1) << "every view of the list would be redrawn once per entry";
}

TEST_F(ScriptTest, TheEndOfTheFileInsideTheSkipSectionFails)
{
    readLines({"Zavok32 script - x", "Source: d:\\games", "Skip: ", "extras\\*.*"});
    EXPECT_EQ(t.messages.texts(), QStringList{"Error in Zavok script"});
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\n");
}

TEST_F(ScriptTest, AMissingScriptFails)
{
    job.setScriptPath("d:\\nothing.zvk");
    scripts.readScript();
    EXPECT_EQ(t.messages.texts(), QStringList{"Error in Zavok script"});
}

TEST_F(ScriptTest, ALineNoPathCanHoldOrAFileFarLongerThanAnyScriptIsNotRead)
{
    const QByteArray nul("\0", 1);
    const QByteArray good = ("Zavok32 script - x\r\nSource: d:\\games\r\nSkip: \r\n\r\n");
    QByteArray manyEntries;
    for (int i = 0; i <= ScriptReader::kMaxSkipEntries; ++i)
        manyEntries += "a\r\n";
    struct Case {
        QByteArray bytes;
        QString why;
    };
    const QList<Case> cases = {
        // Read as d:\other where the path reaches the system.
        {"Zavok32 script - x\r\nSource: d:\\games" + nul + "\\..\\other\r\nSkip: \r\n\r\n",
         ", line 2: the line holds the control character 0x00"},
        {"Zavok32 script - x\r\nSource: d:\\games\r\nSkip: \r\nextras\t\\*.*\r\n\r\n",
         ", line 4: the line holds the control character 0x09"},
        {good + "Diz: d:\\file_id.diz\x1b\r\n", ", line 5: the line holds the control character 0x1b"},
        {"Zavok32 script - x\r\nSource: d:\\games\r\nSkip: \r\n" + manyEntries + "\r\n",
         ", line 3: the skip list that starts here has more than 100,000 entries"},
        {good + QByteArray(ScriptReader::kMaxBytes, 'x'), ": the file has 4,000,048 bytes, more than any script (at most 4,000,000); it was not read"},
    };
    for (const Case& c : cases) {
        for (LaunchMode mode : {LaunchMode::Interactive, LaunchMode::AutoRun}) {
            app.launchMode = mode;
            t.shell = FakeShell();
            t.messages.shown.clear();
            job.setSourcePath("old");
            t.write("d:\\job.zvk", c.bytes);
            job.setScriptPath("d:\\job.zvk");
            scripts.readScript();
            if (mode == LaunchMode::Interactive) {
                EXPECT_EQ(t.messages.texts(), QStringList{"Error in Zavok script"}) << c.why.toStdString();
                continue;
            }
            EXPECT_EQ(t.shell.exitCode, 2) << c.why.toStdString();
            EXPECT_TRUE(t.shell.endReason.startsWith("d:\\job.zvk" + c.why)) << t.shell.endReason.toStdString();
        }
        EXPECT_NE(job.sourcePath(), "d:\\other");
    }
}
