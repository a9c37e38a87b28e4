#include "pipeline/interruptedrunchoice.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "resume/sizetext.h"

#include <QCoreApplication>

namespace {

const QString kTitle = QStringLiteral("Zavok32");

} // namespace

InterruptedRunChoice::InterruptedRunChoice(RunContext& context, bool restart)
    : m_ctx(context)
    , m_restart(restart)
{
}

QString InterruptedRunChoice::cannotContinueMessage(const WorkFolder& folder, const QString& why, qint64 bytes)
{
    return QCoreApplication::translate("InterruptedRunChoice", "The interrupted run in %1 cannot be continued: %2.").arg(folder.dos, why)
           + QCoreApplication::translate("InterruptedRunChoice", "\rThis run starts afresh. That work folder (%1) stays until you remove it with Options > Clean up.")
                 .arg(megabytesText(bytes));
}

QString InterruptedRunChoice::cannotContinueLine(const WorkFolder& folder, const QString& why, qint64 bytes)
{
    return QCoreApplication::translate("InterruptedRunChoice", "the interrupted run in %1 cannot be continued: %2; "
                                                               "starting afresh (Options > Clean up removes its %3)")
        .arg(folder.dos, why, megabytesText(bytes));
}

QString InterruptedRunChoice::continuingLine(const WorkFolder& folder, const Leftovers& left)
{
    return QCoreApplication::translate("InterruptedRunChoice", "continuing the interrupted run in %1: %2").arg(folder.dos, left.doneText());
}

QString InterruptedRunChoice::restartLine(const WorkFolder& folder, qint64 bytes)
{
    return QCoreApplication::translate("InterruptedRunChoice", "--restart: the interrupted run in %1 is deleted, which frees %2; starting afresh")
        .arg(folder.dos, megabytesText(bytes));
}

InterruptedRunChoice::Decision InterruptedRunChoice::decide(const JobIdentity::Settings& settings, QString& measure,
                                                            const QStringList& leaveOut)
{
    const RipJob& job = m_ctx.job;
    const DriveService& drives = *m_ctx.services.drives;
    const WorkFolder* newest = nullptr;
    const QList<WorkFolder> folders = WorkFolder::onDrive(job.workDrive(), drives);
    for (const WorkFolder& folder : folders) {
        if (!folder.journal || !JobIdentity::sameSet(folder.journal->settings, settings))
            continue;
        if (!newest || folder.journal->started >= newest->journal->started)
            newest = &folder;
    }
    if (!newest)
        return {};
    const WorkFolder folder = *newest;

    QString why = JobIdentity::difference(folder.journal->settings, settings);
    if (why.isEmpty())
        why = folder.whyNotContinuable(drives);
    if (why.isEmpty()) {
        measure = JobIdentity::sourceMeasure(job, drives, leaveOut);
        why = JobIdentity::measureDifference(folder.journal->sourceMeasure, measure);
    }
    const bool unattended = m_ctx.app.unattended();
    if (!why.isEmpty()) {
        const qint64 bytes = folder.bytes();
        if (unattended)
            m_ctx.services.shell->report(cannotContinueLine(folder, why, bytes));
        else
            m_ctx.services.messages->show(kTitle, cannotContinueMessage(folder, why, bytes), MessageIcon::Information);
        return {};
    }

    Leftovers left = folder.leftovers();
    if (m_restart) {
        m_ctx.services.shell->report(restartLine(folder, folder.bytes()));
        return discard(folder);
    }
    if (unattended) {
        m_ctx.services.shell->report(continuingLine(folder, left));
        return {Kind::Continue, folder};
    }
    left.bytes = folder.bytes();
    switch (m_ctx.services.messages->show(kTitle, left.question(), MessageIcon::Question, MessageButtons::YesNoCancel)) {
    case MessageResult::Yes:
    case MessageResult::Ok:
        return {Kind::Continue, folder};
    case MessageResult::No:
        return discard(folder);
    case MessageResult::Cancel:
        break;
    }
    return {Kind::Cancel, {}};
}

InterruptedRunChoice::Decision InterruptedRunChoice::discard(const WorkFolder& folder)
{
    QString error;
    if (!folder.discard(&error)) {
        const QString text = QCoreApplication::translate("InterruptedRunChoice", "The interrupted run's work folder was not deleted whole: %1.").arg(error);
        if (m_ctx.app.unattended())
            m_ctx.services.shell->report(text);
        else
            m_ctx.services.messages->show(kTitle, text + QCoreApplication::translate("InterruptedRunChoice", "\rThis run starts afresh all the same."),
                                          MessageIcon::Exclamation);
    }
    return {};
}
