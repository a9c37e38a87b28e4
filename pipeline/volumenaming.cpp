#include "pipeline/volumenaming.h"

#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "platform/clock.h"
#include "platform/numbertext.h"

using numbertext::zeroPadded;

namespace volumenaming {

QString volumeFileName(Archiver archiver, const QString& baseName, bool threeDigitNumbering, int n)
{
    if (archiver == Archiver::Ace) {
        if (n <= 1)
            return baseName + QStringLiteral(".ace");
        if (n <= 101)
            return baseName + QStringLiteral(".c") + zeroPadded(n - 2, 2);
        return baseName + QLatin1Char('.') + zeroPadded(n - 2, 3);
    }
    if (threeDigitNumbering)
        return baseName + QLatin1Char('.') + zeroPadded(n, 3);
    if (n <= 1)
        return baseName + QStringLiteral(".rar");
    // RAR counts the extension itself up: .r99 + 1 carries into the letter.
    const int index = n - 2;
    const QChar letter(char16_t(u'r' + index / 100));
    return baseName + QLatin1Char('.') + letter + zeroPadded(index % 100, 2);
}

QString volumeFileName(const RipJob& job, const RipRunState& run, int n)
{
    return volumeFileName(job.archiver(), job.zipBaseName(), run.threeDigitNumbering, n);
}

QString dateText(const QDate& date)
{
    return zeroPadded(date.month(), 2) + QString::number(date.day()) + zeroPadded(date.year() % 100, 2);
}

QString counterText(int n, int count)
{
    return numbertext::signedDecimal(n) + QStringLiteral(" of") + numbertext::signedDecimal(count);
}

ZipName zipFileName(const RipJob& job, const RipRunState& run, LaunchMode mode, const Clock& clock, int n)
{
    ZipName name;
    if (job.archiveSizeStep() != 0 && run.volumeCount != 1)
        name.zipNumberText = zeroPadded(n, run.threeDigitNumbering ? 3 : 2);
    if (mode == LaunchMode::AutoRunDated)
        name.dateText = dateText(clock.now().date());

    QString destination = job.zipDirectory();
    if (destination.endsWith(QLatin1Char('\\')))
        destination = destination.left(2);
    const QString stem = job.zipBaseName() + name.dateText + name.zipNumberText;
    name.targetName = destination + QLatin1Char('\\') + stem;
    name.shownFileName = stem + QStringLiteral(".zip");
    return name;
}

ZipName startVolume(const RipJob& job, RipRunState& run, ViewState& view, LaunchMode mode, const Clock& clock, int n)
{
    ZipName name = zipFileName(job, run, mode, clock, n);
    run.zipNumberText = name.zipNumberText;
    run.dateText = name.dateText;
    view.run.zipName = name.shownFileName;
    view.run.counter = counterText(n, run.volumeCount);
    return name;
}

} // namespace volumenaming
