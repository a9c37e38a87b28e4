// Drives one unattended run from the command line, for the pack benchmark:
//   zavok32_runbench SOURCE ZIPDIR BASE DIZ NFO [--image] [--step N] [--save-script FILE]
//   zavok32_runbench --measure FOLDER
// Paths are DOS paths through the application directory's drive map. With
// --save-script the job is written as a *.zvk script instead of being run;
// --measure prints the byte count that Browse measures for a folder source.
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/scriptfile.h"
#include "job/viewstate.h"
#include "pipeline/riprun.h"
#include "pipeline/standardrunsteps.h"
#include "platform/appdirectory.h"
#include "platform/drivemap.h"
#include "platform/hostdriveservice.h"
#include "platform/libzipcomponent.h"
#include "platform/libzipreader.h"
#include "setcheck/archivesettester.h"
#include "platform/messagebox.h"
#include "platform/posixprocessrunner.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/systemclock.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

class ConsoleShell : public Shell
{
public:
    int exitCode = 0;
    bool ended = false;
    void showPage(PageId) override {}
    void focus(FocusTarget) override {}
    void processPendingEvents() override {}
    void endApplication(int code, const QString& reason) override
    {
        ended = true;
        exitCode = code;
        std::fprintf(stderr, "run ended: %s\n", qPrintable(reason));
    }
    void closeMainWindow() override { ended = true; }
    void minimiseMainWindow() override {}
    void restoreMainWindow() override {}
    void setMainWindowEnabled(bool) override {}
    void repaintMainWindow() override {}
};

class ConsoleMessages : public MessageBox
{
public:
    MessageResult show(const QString& title, const QString& text, MessageIcon, MessageButtons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return MessageResult::Ok;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QStringList args = qapp.arguments().mid(1);
    if (args.size() == 2 && args[0] == QStringLiteral("--measure")) {
        DriveMap map = DriveMap::forApplication();
        map.ensureDefaults();
        const HostDriveService drives(map);
        const auto bytes = drives.folderSize(args[1]);
        if (!bytes)
            return 1;
        std::printf("%lld\n", static_cast<long long>(*bytes));
        return 0;
    }
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: zavok32_runbench SOURCE ZIPDIR BASE DIZ NFO [--image] [--step N] [--save-script FILE]\n");
        return 2;
    }
    RipJob job;
    job.setImageMode(args.contains(QStringLiteral("--image")));
    job.setSourcePath(args[0]);
    job.setZipDirectory(args[1]);
    job.setZipBaseName(args[2]);
    job.setDizPath(args[3]);
    job.setNfoPath(args[4]);
    job.setAutoNumbering(true);
    job.setDizLine(QStringLiteral("1"));
    job.setDizColumn(QStringLiteral("1"));
    const qsizetype stepAt = args.indexOf(QStringLiteral("--step"));
    job.setArchiveSizeStep(stepAt >= 0 && stepAt + 1 < args.size() ? args[stepAt + 1].toInt() : 3);

    DriveMap map = DriveMap::forApplication();
    map.ensureDefaults();
    HostDriveService drives(map);
    const qint64 bytes = job.imageMode() ? drives.fileLength(job.sourcePath()).value_or(0)
                                         : drives.folderSize(job.sourcePath()).value_or(0);
    job.setSourceMegabytes(bytes > 1000000 ? float(bytes) / 1000000.0f : 0.0f);

    const qsizetype saveAt = args.indexOf(QStringLiteral("--save-script"));
    if (saveAt >= 0 && saveAt + 1 < args.size())
        return TextFile::writeText(args[saveAt + 1], ScriptFile::scriptText(job, QDateTime::currentDateTime())) ? 0 : 1;

    LibzipComponent zip(drives);
    PosixProcessRunner processes(AppDirectory::path());
    SystemClock clock;
    ConsoleShell shell;
    ConsoleMessages messages;
    Services services;
    services.drives = &drives;
    services.messages = &messages;
    services.shell = &shell;
    services.clock = &clock;
    services.processes = &processes;
    services.zip = &zip;
    RipRunState state;
    AppState app;
    app.launchMode = LaunchMode::AutoRun;
    ViewState view;
    LibzipReader reader;
    ArchiveSetTester tester;
    RipRun run(RunContext{job, state, app, view, services, standardRunSteps(job, state, app, view, services), nullptr,
                          &reader, &tester});
    run.runJob();
    return shell.exitCode;
}
