#include "pipeline/runreport.h"

#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/volumeestimate.h"
#include "contents/zipsizestep.h"
#include "platform/numbertext.h"

#include <QCoreApplication>

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
        report.archiveType = rar ? QCoreApplication::translate("RunReport", " Rar's only") : QCoreApplication::translate("RunReport", " Ace's only");
    else
        report.archiveType = rar ? QCoreApplication::translate("RunReport", " Rar's into zip's") : QCoreApplication::translate("RunReport", " Ace's into zip's");

    const QString size = sizeCaption(job.archiveSizeStep());
    report.archiveSize = QLatin1Char(' ') + size;
    report.archivePath = QLatin1Char(' ') + (job.archivesOnly() ? state.workDirectory : job.zipDirectory());
    report.count = numbertext::signedDecimal(state.volumeCount);
    if (job.archiveSizeStep() != 0) {
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
        {QCoreApplication::translate("RunReport", "Path:"), sourcePath},
        {QCoreApplication::translate("RunReport", "Type:"), sourceType},
        {QCoreApplication::translate("RunReport", "Size:"), sourceSize},
    };
}

QList<RunReportRow> RunReport::archiveRows() const
{
    QList<RunReportRow> rows{
        {QCoreApplication::translate("RunReport", "Type:"), archiveType},
        {QCoreApplication::translate("RunReport", "Size:"), archiveSize},
        {QCoreApplication::translate("RunReport", "Path:"), archivePath},
        {QCoreApplication::translate("RunReport", "Count:"), count},
        {QCoreApplication::translate("RunReport", "Total:"), total},
        {QCoreApplication::translate("RunReport", "Rar/Ace compression:"), archiveCompression},
        {QCoreApplication::translate("RunReport", "Zip compression:"), zipCompression},
    };
    if (!recovery.isEmpty())
        rows.append({QCoreApplication::translate("RunReport", "Recovery:"), recovery});
    return rows;
}
