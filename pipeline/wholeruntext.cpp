#include "pipeline/wholeruntext.h"

#include "job/viewstate.h"
#include "platform/numbertext.h"

#include <QCoreApplication>

namespace wholeruntext {

QString times(const WholeRunView& whole)
{
    const QString taken = numbertext::duration(whole.elapsedMs);
    if (whole.running)
        return taken + QCoreApplication::translate("WholeRunText", " taken")
            + (whole.remainingMs >= 0 ? QCoreApplication::translate("WholeRunText", ", about ") + numbertext::duration(whole.remainingMs) + QCoreApplication::translate("WholeRunText", " left")
                                      : QString());
    if (whole.finished)
        return QCoreApplication::translate("WholeRunText", "Done in ") + taken;
    if (whole.elapsedMs > 0)
        return QCoreApplication::translate("WholeRunText", "Ended after ") + taken;
    return {};
}

QString minimisedTitle(const QString& caption, const WholeRunView& whole)
{
    if (!whole.running)
        return caption;
    return QString::number(whole.percent) + QStringLiteral("% - ") + caption;
}

} // namespace wholeruntext
