// A whole .zvk script, as a user or a download brings it, through the reader
// the window and the command line share. Besides not crashing:
// - an interactive read fails exactly when an unattended start refuses the
//   job, which then ends with exit status 2 and says where the script is
//   wrong;
// - a script that reads is saved and read again into a fresh job with the
//   same settings (the comment path is stored in lower case).
#include "fuzzinput.h"

#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/exitstatus.h"
#include "job/ripjob.h"
#include "job/scriptfile.h"
#include "job/scriptreader.h"
#include "platform/textfile.h"

namespace {

TempHome& home()
{
    static TempHome* t = [] {
        quietQtWarnings();
        auto* made = new TempHome;
        made->addDrive(QLatin1Char('d'));
        // Nothing outside the temporary folders: z: is the whole host.
        made->map.unmapDrive(QLatin1Char('z'));
        return made;
    }();
    return *t;
}

void forget(TempHome& t)
{
    t.messages.shown.clear();
    t.shell = FakeShell();
}

// Reads a script interactively; true when it read without a failure.
bool readsInteractively(TempHome& t, RipJob& job, const QString& path)
{
    forget(t);
    AppState app;
    job.setScriptPath(path);
    ScriptReader(job, app, t.services, t.home()).readScript(ScriptReader::Occasion::Start);
    return !t.messages.texts().contains(ScriptReader::errorText());
}

QString settings(const RipJob& job, bool commentLowered)
{
    const QStringList fields = {
        job.sourcePath(), job.skipEntries(), job.dizPath(), job.autoNumbering() ? "T" : "F",
        job.dizColumn(), job.dizLine(), job.nfoPath(), QString::number(job.firstZipOnly()),
        job.extraIsFile() ? "T" : "F", job.extraPath(), job.zipDirectory(), job.zipBaseName(),
        QString::number(job.zipBaseNameBound()), QString::number(job.archiveSizeStep()),
        QString::number(job.archiveCompression()), QString::number(job.zipCompression()),
        commentLowered ? job.zipCommentPath().toLower() : job.zipCommentPath(),
    };
    return fields.join(QLatin1Char('|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TempHome& t = home();
    const FuzzInput input(data, size);
    t.write(QStringLiteral("d:\\job.zvk"), input.all());

    RipJob job;
    const bool read = readsInteractively(t, job, QStringLiteral("d:\\job.zvk"));

    forget(t);
    RipJob unattendedJob;
    AppState unattended;
    unattended.launchMode = LaunchMode::AutoRun;
    unattendedJob.setScriptPath(QStringLiteral("d:\\job.zvk"));
    ScriptReader(unattendedJob, unattended, t.services, t.home()).readScript(ScriptReader::Occasion::Start);
    FUZZ_CHECK(t.shell.endCalls == (read ? 0 : 1), t.shell.endReason);
    if (!read) {
        FUZZ_CHECK(t.shell.exitCode == exitstatus::NotRun, t.shell.endReason);
        FUZZ_CHECK(t.shell.endReason.startsWith(QStringLiteral("d:\\job.zvk")), t.shell.endReason);
        return 0;
    }
    FUZZ_CHECK(!t.messages.texts().contains(ScriptReader::errorText()), QStringLiteral("an unattended read showed it"));
    FUZZ_CHECK(settings(unattendedJob, false) == settings(job, false), settings(unattendedJob, false));

    const QString again = t.host(QStringLiteral("d:\\again.zvk"));
    FUZZ_CHECK(TextFile::writeText(again, ScriptFile::scriptText(job, t.clock.now())), again);
    RipJob reread;
    FUZZ_CHECK(readsInteractively(t, reread, QStringLiteral("d:\\again.zvk")), ScriptFile::scriptText(job, t.clock.now()));
    FUZZ_CHECK(settings(reread, false) == settings(job, true),
               settings(job, true) + QStringLiteral("\nread back as\n") + settings(reread, false));
    return 0;
}
