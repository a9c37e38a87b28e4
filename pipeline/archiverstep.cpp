#include "pipeline/archiverstep.h"

#include "job/riprunstate.h"
#include "pipeline/jobfolders.h"
#include "platform/driveservice.h"
#include "platform/drivemap.h"
#include "platform/processrunner.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "platform/windowscommandline.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>

namespace archiverstep {

namespace {

const QString kSkipFile = QStringLiteral("c:\\skip.txt");

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool writeSkipFile(const RipJob& job, RipRunState& run, const DriveMap& drives, QString* error)
{
    run.skipSwitch.clear();
    const QString skipText = job.skipEntries();
    if (skipText.isEmpty())
        return true;
    const auto host = drives.toHost(kSkipFile);
    QString reason;
    if (!host || !TextFile::writeText(*host, skipText + QStringLiteral("\r\n"), &reason)) {
        setError(error, QCoreApplication::translate("ArchiverStep", "Cannot write ") + kSkipFile
                            + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
        return false;
    }
    run.skipSwitch = QStringLiteral("-x@") + kSkipFile;
    return true;
}

bool writeListFile(const RipJob& job, RipRunState& run, const QString& appDirHost, const DriveMap& drives,
                   QString* error)
{
    QStringList lines;
    if (job.archivesOnly()) {
        if (!job.dizPath().isEmpty())
            lines << job.dizPath();
        if (!job.nfoPath().isEmpty())
            lines << job.nfoPath();
    }
    if (!job.cuePath().isEmpty())
        lines << job.cuePath();
    lines << job.sourcePath();

    const QString host = appDirHost + QStringLiteral("/rarstop.txt");
    const auto dos = drives.toDos(host);
    QString reason;
    if (!dos || !TextFile::writeLines(host, lines, &reason)) {
        setError(error, QCoreApplication::translate("ArchiverStep", "Cannot write ") + host
                            + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
        return false;
    }
    // quote() gives "@path" for every path a Windows system could hold, and
    // keeps a quote in a Linux folder name from ending the argument early.
    run.listFileArgument = WindowsCommandLine::quote(QLatin1Char('@') + *dos);
    return true;
}

} // namespace

QString volumeSwitch(Archiver archiver, int archiveSizeStep, int compression)
{
    const qint32 thousands = qint32(archiveSizeStep) * 500;
    QString digits = QString::number(thousands);
    if (archiver == Archiver::Rar)
        digits += QStringLiteral("000");
    QString result = QStringLiteral("-v") + digits;
    if (result == QLatin1String("-v1500000"))
        result = QStringLiteral("-v1440000");
    else if (result == QLatin1String("-v1500"))
        result = QStringLiteral("-v1440");
    if (archiver == Archiver::Rar)
        result += QLatin1Char('b');
    else if (digits == QLatin1String("0"))
        result.clear();
    return result + QStringLiteral(" -m") + QString::number(compression);
}

QString currentDirectory(const RipJob& job)
{
    const QString source = job.sourcePath();
    if (job.imageMode())
        return source.left(source.lastIndexOf(QLatin1Char('\\')) + 1);
    return source;
}

QString commandLine(const RipJob& job, const RipRunState& run, const QStringList& leftOut)
{
    const QString space = QStringLiteral(" ");
    const bool rar = job.archiver() == Archiver::Rar;
    if (job.imageMode()) {
        if (rar)
            return QStringLiteral("wrar.exe a -ep ") + run.volumeSwitch + QStringLiteral(" -y ") + run.archivePath
                   + space + run.listFileArgument;
        return QStringLiteral("wace.pif a -y -ep ") + run.volumeSwitch + space + run.archivePath + space
               + run.listFileArgument;
    }
    QString exclusions;
    for (const QString& folder : leftOut) {
        const QString sw = QStringLiteral("-x") + folder + QStringLiteral("\\*.*");
        const bool plain = !sw.contains(QLatin1Char(' ')) && !sw.contains(QLatin1Char('\t')) && !sw.contains(QLatin1Char('"'));
        exclusions += space + (plain ? sw : WindowsCommandLine::quote(sw));
    }
    return (rar ? QStringLiteral("wrar.exe a -r -y ") : QStringLiteral("wace.pif a -r -y ")) + run.volumeSwitch
           + space + run.skipSwitch + exclusions + space + run.archivePath;
}

bool prepareArchiverStep(RipJob& job, RipRunState& run, const QString& appDirHost, QString* error)
{
    if (job.archiver() == Archiver::Ace)
        job.setArchiveCompression(3);
    run.volumeSwitch = volumeSwitch(job.archiver(), job.archiveSizeStep(), job.archiveCompression());

    const DriveMap drives(appDirHost);
    // The skip file is written for image sources too, though only drive and
    // directory runs name it on the command line.
    if (!writeSkipFile(job, run, drives, error))
        return false;
    run.listFileArgument.clear();
    if (job.imageMode())
        return writeListFile(job, run, appDirHost, drives, error);
    return true;
}

bool runArchiverStep(const RipJob& job, const RipRunState& run, Services& services, const QString& appDirHost,
                     QString* error, ProcessEnd* end)
{
    const QString folder = currentDirectory(job);
    const auto host = folder.isEmpty() ? std::nullopt : DriveMap(appDirHost).toHost(folder);
    if (!host || !QFileInfo(*host).isDir()) {
        setError(error, QCoreApplication::translate("ArchiverStep", "Cannot change to the source folder ") + folder);
        return false;
    }
    if (!services.processes) {
        setError(error, QCoreApplication::translate("ArchiverStep", "No way to start the archiver"));
        return false;
    }
    // The set's own folders inside the source are never packed into it.
    QStringList warnings;
    const QStringList leftOut = job.imageMode() ? QStringList()
                                                : JobFolders(job, *services.drives).insideSource(run.workDirectory, &warnings);
    for (const QString& w : warnings)
        qWarning().noquote() << "zavok32: warning:" << w;
    const ProcessEnd ended = services.processes->execCmd(commandLine(job, run, leftOut), *host);
    if (end)
        *end = ended;
    return true;
}

} // namespace archiverstep
