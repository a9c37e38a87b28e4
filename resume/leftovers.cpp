#include "resume/leftovers.h"

#include "resume/runjournal.h"
#include "resume/sizetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void Leftovers::countWorkFolder()
{
    volumes = 0;
    bytes = 0;
    const QFileInfoList files = QDir(workHost).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        if (RunJournal::isJournalFile(file.fileName()))
            continue;
        ++volumes;
        bytes += file.size();
    }
}

QString Leftovers::namesText(const QStringList& names)
{
    if (names.isEmpty())
        return {};
    if (names.size() == 1)
        return names.first();
    if (names.size() == 2)
        return QCoreApplication::translate("Leftovers", "%1 and %2").arg(names.first(), names.last());
    return QCoreApplication::translate("Leftovers", "%1 to %2").arg(names.first(), names.last());
}

QString Leftovers::doneText() const
{
    return QCoreApplication::translate("Leftovers", "%1 of %2 ZIPs are done").arg(zipsDone.size()).arg(zipCount);
}

QString Leftovers::volumesText() const
{
    return (volumes == 1 ? QCoreApplication::translate("Leftovers", "1 volume")
                         : QCoreApplication::translate("Leftovers", "%1 volumes").arg(volumes))
           + QStringLiteral(" (") + megabytesText(bytes) + QLatin1Char(')');
}

QString Leftovers::whereText() const
{
    return workHost.isEmpty() ? workDos : workDos + QStringLiteral(" (") + workHost + QLatin1Char(')');
}

QString Leftovers::pageText() const
{
    if (volumes == 0 && zipsDone.isEmpty())
        return QCoreApplication::translate("Leftovers", "Nothing is left: Zavok! starts the run again.");
    QStringList lines;
    if (!setWhole) {
        lines << QCoreApplication::translate("Leftovers", "The archiver did not finish the set, so no ZIP was made.");
        lines << (volumes == 1 ? QCoreApplication::translate("Leftovers", "%1 stays in %2: not a whole set.")
                               : QCoreApplication::translate("Leftovers", "%1 stay in %2: not a whole set."))
                     .arg(volumesText(), whereText());
        lines << QCoreApplication::translate("Leftovers", "Zavok! starts the run afresh; Options > Clean up removes them.");
        return lines.join(QLatin1Char('\n'));
    }
    if (zipsDone.isEmpty())
        lines << QCoreApplication::translate("Leftovers", "No ZIP of the %1 is complete yet.").arg(zipCount);
    else
        lines << (zipsDone.size() == 1 ? QCoreApplication::translate("Leftovers", "%1 of %2 ZIPs is complete in %3: %4.")
                                       : QCoreApplication::translate("Leftovers", "%1 of %2 ZIPs are complete in %3: %4."))
                     .arg(zipsDone.size())
                     .arg(zipCount)
                     .arg(zipDirectory, namesText(zipsDone));
    if (volumes > 0)
        lines << (volumes == 1 ? QCoreApplication::translate("Leftovers", "%1 stays in %2.")
                               : QCoreApplication::translate("Leftovers", "%1 stay in %2."))
                     .arg(volumesText(), whereText());
    if (continuable)
        lines << QCoreApplication::translate("Leftovers", "Zavok! continues the run.");
    else if (volumes > 0)
        lines << QCoreApplication::translate("Leftovers", "Options > Clean up removes them.");
    return lines.join(QLatin1Char('\n'));
}

QString Leftovers::line() const
{
    const QString again = unattended ? QCoreApplication::translate("Leftovers", "the same command") : QStringLiteral("Zavok!");
    if (volumes == 0 && zipsDone.isEmpty())
        return QCoreApplication::translate("Leftovers", "nothing is left; %1 starts the run again").arg(again);
    if (!setWhole)
        return (volumes == 1 ? QCoreApplication::translate("Leftovers", "the archiver did not finish the set, so no ZIP was made; "
                                                                       "%1 in %2 is not a whole set; %3 starts the run afresh")
                             : QCoreApplication::translate("Leftovers", "the archiver did not finish the set, so no ZIP was made; "
                                                                       "%1 in %2 are not a whole set; %3 starts the run afresh"))
            .arg(volumesText(), whereText(), again);
    QString text = QCoreApplication::translate("Leftovers", "%1 of %2 ZIPs complete in %3").arg(zipsDone.size()).arg(zipCount).arg(zipDirectory);
    if (volumes > 0)
        text += (volumes == 1 ? QCoreApplication::translate("Leftovers", "; %1 stays in %2")
                              : QCoreApplication::translate("Leftovers", "; %1 stay in %2"))
                    .arg(volumesText(), whereText());
    if (continuable)
        text += QCoreApplication::translate("Leftovers", "; %1 continues the run").arg(again);
    return text;
}

QString Leftovers::question() const
{
    return QCoreApplication::translate("Leftovers", "Continue the interrupted run? ") + doneText()
           + QCoreApplication::translate("Leftovers", "\r\rYes makes the other %1 from the volumes in %2.").arg(zipCount - zipsDone.size()).arg(workDos)
           + QCoreApplication::translate("Leftovers", "\rNo deletes that work folder, which frees %1, and starts afresh.").arg(megabytesText(bytes));
}
