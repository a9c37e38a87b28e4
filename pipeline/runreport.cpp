#include "pipeline/runreport.h"

#include "job/ripjob.h"
#include "job/riprunstate.h"
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
    if (archiveSizeStep == 0)
        return QStringLiteral("1 Max file");
    // The floppy step is packed as 1,440,000 bytes and named so.
    if (archiveSizeStep == 3)
        return QStringLiteral("1.44 M");
    // Thousands of 1,000 bytes shown as millions: no leading zero, no
    // trailing zeros, the point always kept ("5. M", ".5 M", "99.5 M").
    const int halves = archiveSizeStep;
    const int whole = halves / 2;
    QString text = whole ? QString::number(whole) : QString();
    text += QLatin1Char('.');
    if (halves % 2)
        text += QLatin1Char('5');
    return text + QStringLiteral(" M");
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
    return {
        {QStringLiteral("Type:"), archiveType},
        {QStringLiteral("Size:"), archiveSize},
        {QStringLiteral("Path:"), archivePath},
        {QStringLiteral("Count:"), count},
        {QStringLiteral("Total:"), total},
        {QStringLiteral("Rar/Ace compression:"), archiveCompression},
        {QStringLiteral("Zip compression:"), zipCompression},
    };
}
