#include "resume/leftovers.h"

#include "resume/runjournal.h"
#include "resume/sizetext.h"

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
        return names.first() + QStringLiteral(" and ") + names.last();
    return names.first() + QStringLiteral(" to ") + names.last();
}

QString Leftovers::doneText() const
{
    return QStringLiteral("%1 of %2 ZIPs are done").arg(zipsDone.size()).arg(zipCount);
}

QString Leftovers::volumesText() const
{
    return (volumes == 1 ? QStringLiteral("1 volume") : QStringLiteral("%1 volumes").arg(volumes))
           + QStringLiteral(" (") + megabytesText(bytes) + QLatin1Char(')');
}

QString Leftovers::whereText() const
{
    return workHost.isEmpty() ? workDos : workDos + QStringLiteral(" (") + workHost + QLatin1Char(')');
}

QString Leftovers::pageText() const
{
    if (volumes == 0 && zipsDone.isEmpty())
        return QStringLiteral("Nothing is left: Zavok! starts the run again.");
    QStringList lines;
    if (!setWhole) {
        lines << QStringLiteral("The archiver did not finish the set, so no ZIP was made.");
        lines << QStringLiteral("%1 %2 in %3: not a whole set.")
                     .arg(volumesText(), volumes == 1 ? QStringLiteral("stays") : QStringLiteral("stay"), whereText());
        lines << QStringLiteral("Zavok! starts the run afresh; Options > Clean up removes them.");
        return lines.join(QLatin1Char('\n'));
    }
    if (zipsDone.isEmpty())
        lines << QStringLiteral("No ZIP of the %1 is complete yet.").arg(zipCount);
    else
        lines << QStringLiteral("%1 of %2 ZIPs %3 complete in %4: %5.")
                     .arg(zipsDone.size())
                     .arg(zipCount)
                     .arg(zipsDone.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"), zipDirectory,
                          namesText(zipsDone));
    if (volumes > 0)
        lines << QStringLiteral("%1 %2 in %3.")
                     .arg(volumesText(), volumes == 1 ? QStringLiteral("stays") : QStringLiteral("stay"), whereText());
    if (continuable)
        lines << QStringLiteral("Zavok! continues the run.");
    else if (volumes > 0)
        lines << QStringLiteral("Options > Clean up removes them.");
    return lines.join(QLatin1Char('\n'));
}

QString Leftovers::line() const
{
    const QString again = unattended ? QStringLiteral("the same command") : QStringLiteral("Zavok!");
    if (volumes == 0 && zipsDone.isEmpty())
        return QStringLiteral("nothing is left; %1 starts the run again").arg(again);
    if (!setWhole)
        return QStringLiteral("the archiver did not finish the set, so no ZIP was made; %1 in %2 %3 not a whole set; "
                              "%4 starts the run afresh")
            .arg(volumesText(), whereText(), volumes == 1 ? QStringLiteral("is") : QStringLiteral("are"), again);
    QString text = QStringLiteral("%1 of %2 ZIPs complete in %3").arg(zipsDone.size()).arg(zipCount).arg(zipDirectory);
    if (volumes > 0)
        text += QStringLiteral("; %1 %2 in %3").arg(volumesText(), volumes == 1 ? QStringLiteral("stays") : QStringLiteral("stay"), whereText());
    if (continuable)
        text += QStringLiteral("; %1 continues the run").arg(again);
    return text;
}

QString Leftovers::question() const
{
    return QStringLiteral("Continue the interrupted run? ") + doneText()
           + QStringLiteral("\r\rYes makes the other %1 from the volumes in %2.").arg(zipCount - zipsDone.size()).arg(workDos)
           + QStringLiteral("\rNo deletes that work folder, which frees %1, and starts afresh.").arg(megabytesText(bytes));
}
