#include "pipeline/wholeruntext.h"

#include "job/viewstate.h"
#include "platform/numbertext.h"

namespace wholeruntext {

QString times(const WholeRunView& whole)
{
    const QString taken = numbertext::duration(whole.elapsedMs);
    if (whole.running)
        return taken + QStringLiteral(" taken")
            + (whole.remainingMs >= 0 ? QStringLiteral(", about ") + numbertext::duration(whole.remainingMs) + QStringLiteral(" left")
                                      : QString());
    if (whole.finished)
        return QStringLiteral("Done in ") + taken;
    if (whole.elapsedMs > 0)
        return QStringLiteral("Ended after ") + taken;
    return {};
}

QString minimisedTitle(const QString& caption, const WholeRunView& whole)
{
    if (!whole.running)
        return caption;
    return QString::number(whole.percent) + QStringLiteral("% - ") + caption;
}

} // namespace wholeruntext
