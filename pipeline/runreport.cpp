#include "pipeline/runreport.h"

#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/volumeestimate.h"
#include "contents/zipsizestep.h"
#include "platform/numbertext.h"

namespace {

QString compressionText(int index)
{
    const QStringList items = RipJob::compressionItems();
    return QLatin1Char(' ') + (index >= 0 && index < items.size() ? items[index] : QString());
}

} // namespace

QString RunReport::sizeCaption(int archiveSizeStep)
{
    return archiveSizeStep == 0 ? VolumeEstimate::singleArchiveSizeCaption() : ZipSizeStep::sizeCaption(archiveSizeStep);
}

RunReport RunReport::fromRun(const RipJob& job, const RipRunState& state)
{
    RunReport report;
    const QString sourceText = state.savedSourceText;
    report.sourcePath = QLatin1Char(' ') + sourceText;
    report.sourceType = QLatin1Char(' ') + RipJob::sourceKindText(RipJob::sourceKindOf(job.imageMode(), sourceText));
    report.sourceSize = numbertext::signedDecimal(job.sourceWholeMegabytes()) + QStringLiteral(" M");

    const bool rar = job.archiver() == Archiver::Rar;
    if (job.archivesOnly())
        report.archiveType = rar ? QStringLiteral(" Rar's only") : QStringLiteral(" Ace's only");
    else
        report.archiveType = rar ? QStringLiteral(" Rar's into zip's") : QStringLiteral(" Ace's into zip's");

    const QString size = sizeCaption(job.archiveSizeStep());
    report.archiveSize = QLatin1Char(' ') + size;
    report.archivePath = QLatin1Char(' ') + (job.archivesOnly() ? state.workDirectory : job.zipDirectory());
    report.count = numbertext::signedDecimal(state.volumeCount);
    if (!size.endsWith(QLatin1String("file"))) {
        const double total = numbertext::leadingNumber(size) * double(state.volumeCount);
        report.total = numbertext::signedDecimal(qint64(numbertext::roundHalfEven(total))) + QStringLiteral(" M");
    }
    report.archiveCompression = compressionText(job.archiveCompression());
    report.zipCompression = compressionText(job.zipCompression());
    if (!state.recoveryText.isEmpty())
        report.recovery = QLatin1Char(' ') + state.recoveryText;
    return report;
}

QList<RunReportRow> RunReport::sourceRows() const
{
    return {
        {QStringLiteral("Path:"), sourcePath},
        {QStringLiteral("Type:"), sourceType},
        {QStringLiteral("Size:"), sourceSize},
    };
}

QList<RunReportRow> RunReport::archiveRows() const
{
    QList<RunReportRow> rows{
        {QStringLiteral("Type:"), archiveType},
        {QStringLiteral("Size:"), archiveSize},
        {QStringLiteral("Path:"), archivePath},
        {QStringLiteral("Count:"), count},
        {QStringLiteral("Total:"), total},
        {QStringLiteral("Rar/Ace compression:"), archiveCompression},
        {QStringLiteral("Zip compression:"), zipCompression},
    };
    if (!recovery.isEmpty())
        rows.append({QStringLiteral("Recovery:"), recovery});
    return rows;
}
