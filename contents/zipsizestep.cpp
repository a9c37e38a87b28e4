#include "contents/zipsizestep.h"

#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "job/volumeestimate.h"

#include <QCoreApplication>

ZipSizeStep::ZipSizeStep(RipJob& job, RipRunState& state, ViewState& view)
    : m_job(job)
    , m_state(state)
    , m_view(view)
{
    m_view.zip.nameHint = nameHint(m_job.zipBaseNameBound());
    m_view.notify();
}

QString ZipSizeStep::nameHint(int bound, const QString& cutFrom, const QString& cutTo)
{
    QString hint;
    if (bound == RipJob::kThreeDigitNameBound)
        hint = QCoreApplication::translate("ZipSizeStep", "Up to %1 characters at this size: three digits of the volume number follow");
    else if (bound == RipJob::kShortNameBound)
        hint = QCoreApplication::translate("ZipSizeStep", "Up to %1 characters at this size: two digits of the volume number follow");
    else
        hint = QCoreApplication::translate("ZipSizeStep", "Up to %1 characters: one archive, no volume number");
    hint = hint.arg(bound);
    if (!cutFrom.isEmpty())
        hint += QCoreApplication::translate("ZipSizeStep", "; \"%1\" was cut to \"%2\"").arg(cutFrom, cutTo);
    return hint;
}

void ZipSizeStep::nameChanged()
{
    // Once the name is typed again the cut is old news.
    const QString hint = nameHint(m_job.zipBaseNameBound());
    if (m_view.zip.nameHint == hint)
        return;
    m_view.zip.nameHint = hint;
    m_view.notify();
}

QString ZipSizeStep::sizeCaption(int step)
{
    if (step == 3)
        return QCoreApplication::translate("ZipSizeStep", "1.44 M");
    // Half a million bytes a step, written as millions with no leading zero
    // and no trailing zeros, the point always kept.
    const int whole = step / 2;
    return QCoreApplication::translate("ZipSizeStep", "%1 M")
        .arg((whole > 0 ? QString::number(whole) : QString()) + QLatin1Char('.') + (step % 2 ? QStringLiteral("5") : QString()));
}

void ZipSizeStep::stepChanged()
{
    const QString nameBefore = m_job.zipBaseName();
    int step = m_job.archiveSizeStep();
    if (m_job.imageMode() && step < kSmallestImageStep) {
        // Announced as a change of its own, which runs this again with the
        // corrected step; what follows gives the same result.
        m_job.setArchiveSizeStep(kSmallestImageStep);
        step = kSmallestImageStep;
    }
    m_view.zip.sizeCaption = sizeCaption(step);

    if (step == 0) {
        m_view.zip.estimateCaption = VolumeEstimate::singleArchiveCaption();
    } else if (m_job.sourceMegabytes() == 0.0f) {
        m_view.zip.estimateCaption.clear();
    } else {
        const float count = VolumeEstimate::volumeCount(m_job.sourceMegabytes(), step);
        m_state.threeDigitNumbering = VolumeEstimate::needsThreeDigits(count);
        m_view.zip.estimateCaption = VolumeEstimate::countCaption(count);
    }

    if (step == 0) {
        m_view.zip.sizeCaption = VolumeEstimate::singleArchiveSizeCaption();
        m_job.setZipBaseNameBound(RipJob::kLongNameBound);
        m_state.threeDigitNumbering = false;
    } else {
        m_job.setZipBaseNameBound(m_state.threeDigitNumbering ? RipJob::kThreeDigitNameBound : RipJob::kShortNameBound);
    }
    const bool cut = m_job.zipBaseName() != nameBefore;
    m_view.zip.nameHint = nameHint(m_job.zipBaseNameBound(), cut ? nameBefore : QString(), m_job.zipBaseName());
    m_view.notify();
}
