#include "pipeline/jobfolders.h"

#include "job/ripjob.h"
#include "platform/driveservice.h"
#include "platform/foldernesting.h"
#include "platform/numbertext.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

constexpr qint64 kFloppyBytes = 1440000;
constexpr qint64 kExtraVolumes = 10;

QString nothingPackaged()
{
    return QCoreApplication::translate("JobFolders", "\rNothing was packaged. ");
}

} // namespace

JobFolders::JobFolders(const RipJob& job, const DriveService& drives)
    : m_job(job)
    , m_drives(drives)
{
}

std::optional<QString> JobFolders::host(const QString& dos) const
{
    return dos.isEmpty() ? std::nullopt : m_drives.toHost(dos);
}

qint64 JobFolders::extraBound(const RipJob& job)
{
    const int step = job.archiveSizeStep();
    const qint64 volume = step == 0 ? qint64(double(job.sourceMegabytes()) * 1e6)
                                    : (step == 3 ? kFloppyBytes : qint64(step) * 500000);
    return kExtraVolumes * std::max(volume, kFloppyBytes);
}

std::optional<JobFolders::Refusal> JobFolders::refusal() const
{
    if (m_job.archivesOnly())
        return std::nullopt;
    const auto zips = host(m_job.zipDirectory());
    const auto source = m_job.imageMode() ? std::nullopt : host(m_job.sourcePath());
    if (zips && source && FolderNesting::relation(*zips, *source) == FolderNesting::Relation::Same)
        return Refusal{QCoreApplication::translate("JobFolders", "The ZIP folder %1 is the source folder: the set would be packed from the folder it "
                                      "is written into.").arg(m_job.zipDirectory())
                           + nothingPackaged()
                           + QCoreApplication::translate("JobFolders", "Choose another ZIP folder on the Zip page, then run the job again."),
                       false};
    const auto extra = m_job.extraIsFile() ? std::nullopt : host(m_job.extraPath());
    if (zips && extra && FolderNesting::relation(*zips, *extra) == FolderNesting::Relation::Same)
        return Refusal{QCoreApplication::translate("JobFolders", "The ZIP folder %1 is the extra folder: every ZIP would take in the ZIPs before it.")
                               .arg(m_job.zipDirectory())
                           + nothingPackaged()
                           + QCoreApplication::translate("JobFolders", "Choose another ZIP folder or extra folder, then run the job again."),
                       false};
    return extraTooLarge();
}

std::optional<JobFolders::Refusal> JobFolders::extraTooLarge() const
{
    const QString extra = m_job.extraPath();
    if (extra.isEmpty())
        return std::nullopt;
    const qint64 bound = extraBound(m_job);
    QString what;
    if (m_job.extraIsFile()) {
        const auto bytes = m_drives.fileLength(extra);
        if (!bytes || *bytes <= bound)
            return std::nullopt;
        what = QCoreApplication::translate("JobFolders", "The extra file %1 has %2 bytes").arg(extra, numbertext::grouped(*bytes));
    } else {
        const QStringList leftOut = m_job.zipDirectory().isEmpty() ? QStringList() : QStringList{m_job.zipDirectory()};
        const auto tally = m_drives.tallyFolder(extra, bound, kMaxExtraFiles, leftOut);
        if (!tally || tally->complete)
            return std::nullopt;
        what = tally->files > kMaxExtraFiles
            ? QCoreApplication::translate("JobFolders", "The extra folder %1 holds more than %2 files").arg(extra, numbertext::grouped(kMaxExtraFiles))
            : QCoreApplication::translate("JobFolders", "The extra folder %1 holds at least %2 bytes (the count stopped there)")
                  .arg(extra, numbertext::grouped(tally->bytes));
    }
    const QString where = m_job.firstZipOnly() ? QCoreApplication::translate("JobFolders", "the first ZIP") : QCoreApplication::translate("JobFolders", "every ZIP");
    return Refusal{what + QCoreApplication::translate("JobFolders", ", and it goes into %1 of the set: an extra may hold at most ten volumes, "
                                         "%2 bytes.").arg(where, numbertext::grouped(bound))
                       + nothingPackaged() + QCoreApplication::translate("JobFolders", "Choose a smaller extra on the Nfo page, then run the job again."),
                   true};
}

QStringList JobFolders::insideSource(const QString& workDirectory, QStringList* warnings) const
{
    QStringList inside;
    const auto source = m_job.imageMode() ? std::nullopt : host(m_job.sourcePath());
    if (!source)
        return inside;
    struct Written {
        QString dos;
        QString what;
    };
    QList<Written> folders;
    if (!m_job.archivesOnly())
        folders << Written{m_job.zipDirectory(), QCoreApplication::translate("JobFolders", "ZIP folder")};
    folders << Written{workDirectory, QCoreApplication::translate("JobFolders", "work folder")};
    for (const Written& w : folders) {
        const auto folder = host(w.dos);
        QString relative;
        if (!folder || FolderNesting::relation(*folder, *source, &relative) != FolderNesting::Relation::Inside)
            continue;
        inside << relative;
        warnings->append(QCoreApplication::translate("JobFolders", "the %1 %2 lies inside the source %3: it is left out of the set")
                             .arg(w.what, w.dos, m_job.sourcePath()));
    }
    return inside;
}

QStringList JobFolders::written(const QString& workDirectory) const
{
    QStringList folders;
    if (!m_job.zipDirectory().isEmpty())
        folders << m_job.zipDirectory();
    if (!workDirectory.isEmpty())
        folders << workDirectory;
    return folders;
}
