#include "pipeline/floppyfit.h"

#include "job/ripjob.h"
#include "platform/driveservice.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>

namespace floppyfit {
namespace {

// A local header, a central directory record and the data descriptor of
// one entry, beside its name twice.
constexpr qint64 kEntryOverhead = 30 + 46 + 16;
constexpr qint64 kEndRecord = 22;
constexpr qint64 kNameAllowance = 2 * 64;
// Deflate stores what it cannot compress in blocks of at most 65,535 bytes
// with 5 bytes of header each.
qint64 storedOverhead(qint64 bytes)
{
    return (bytes / 65535 + 1) * 5;
}

qint64 entryBytes(qint64 bytes)
{
    return bytes + storedOverhead(bytes) + kEntryOverhead + kNameAllowance;
}

qint64 fileBytes(const DriveService& drives, const QString& dosPath)
{
    return dosPath.isEmpty() ? 0 : drives.fileLength(dosPath).value_or(0);
}

} // namespace

qint64 worstCaseZipBytes(qint64 volumeBytes, qint64 descriptionBytes, qint64 infoBytes, qint64 extraBytes,
                         int extraFiles, qint64 commentBytes)
{
    qint64 total = entryBytes(volumeBytes) + entryBytes(descriptionBytes) + kEndRecord + commentBytes;
    if (infoBytes > 0)
        total += entryBytes(infoBytes);
    if (extraFiles > 0)
        total += extraBytes + storedOverhead(extraBytes) + extraFiles * (kEntryOverhead + kNameAllowance);
    return total;
}

std::optional<QString> extraWarning(const RipJob& job, const DriveService& drives, qint64 commentBytes)
{
    if (job.archiveSizeStep() != kFloppyStep || job.archivesOnly() || job.firstZipOnly() || job.extraPath().isEmpty())
        return std::nullopt;
    qint64 extraBytes = 0;
    int extraFiles = 0;
    if (job.extraIsFile()) {
        extraBytes = fileBytes(drives, job.extraPath());
        extraFiles = 1;
    } else if (const auto host = drives.toHost(job.extraPath())) {
        QDirIterator it(*host, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            extraBytes += it.fileInfo().size();
            ++extraFiles;
        }
    }
    if (extraFiles == 0)
        return std::nullopt;
    const qint64 diz = fileBytes(drives, job.dizPath());
    const qint64 nfo = fileBytes(drives, job.nfoPath());
    const qint64 without = worstCaseZipBytes(kFloppyVolumeBytes, diz, nfo, 0, 0, commentBytes);
    const qint64 with = worstCaseZipBytes(kFloppyVolumeBytes, diz, nfo, extraBytes, extraFiles, commentBytes);
    if (without > kFloppyBytes || with <= kFloppyBytes)
        return std::nullopt;
    return QCoreApplication::translate("FloppyFit", "The extra %1 (%2 bytes) goes into every ZIP. With it, a ZIP of a full volume can come to "
                          "%3 bytes, more than a formatted 1.44 MB floppy holds (%4 bytes).")
               .arg(job.extraPath(), numbertext::grouped(extraBytes), numbertext::grouped(with),
                    numbertext::grouped(kFloppyBytes))
           + QCoreApplication::translate("FloppyFit", "\rTo keep every ZIP on a floppy, put the extra into the first ZIP only (Nfo page) or make "
                            "it smaller. Go on anyway?");
}

QString fitText(const QList<ZipSize>& zips)
{
    if (zips.isEmpty())
        return {};
    const ZipSize* largest = &zips.front();
    int over = 0;
    for (const ZipSize& z : zips) {
        if (z.bytes > largest->bytes)
            largest = &z;
        if (z.bytes > kFloppyBytes)
            ++over;
    }
    const QString size = numbertext::grouped(largest->bytes);
    if (over == 0)
        return zips.size() == 1
                   ? QCoreApplication::translate("FloppyFit", "the ZIP fits a 1.44 MB floppy (%1, %2 bytes)").arg(largest->name, size)
                   : QCoreApplication::translate("FloppyFit", "every ZIP fits a 1.44 MB floppy (the largest, %1, has %2 bytes)").arg(largest->name, size);
    const QString which = over == 1 ? QCoreApplication::translate("FloppyFit", "1 ZIP does not") : QCoreApplication::translate("FloppyFit", "%1 ZIPs do not").arg(over);
    return QCoreApplication::translate("FloppyFit", "%1 fit a 1.44 MB floppy of %2 bytes (the largest, %3, has %4 bytes)")
        .arg(which, numbertext::grouped(kFloppyBytes), largest->name, size);
}

} // namespace floppyfit
