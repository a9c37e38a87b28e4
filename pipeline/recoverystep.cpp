#include "pipeline/recoverystep.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "par2/recoverycreator.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <atomic>

RecoveryStep::RecoveryStep(RunContext& context, const bool& stopRequested)
    : m_ctx(context)
    , m_stopRequested(stopRequested)
{
}

QString RecoveryStep::reportText(int rebuildable, qint64 files, qint64 bytes)
{
    return QCoreApplication::translate("RecoveryStep", "any %1 %2 can be rebuilt (%3 files, %4 M)")
        .arg(rebuildable)
        .arg(rebuildable == 1 ? QCoreApplication::translate("RecoveryStep", "ZIP") : QCoreApplication::translate("RecoveryStep", "ZIPs"))
        .arg(files)
        .arg(numbertext::twoDecimals(double(bytes) / 1e6));
}

RecoveryStep::Result RecoveryStep::writeRecoveryFiles(const QStringList& zips, const QString& stem)
{
    const int wanted = m_ctx.app.recoveryZips;
    if (wanted <= 0 || zips.isEmpty())
        return {true, {}};
    QString folder;
    QStringList names;
    for (const QString& zip : zips) {
        const auto host = m_ctx.services.drives->toHost(zip);
        if (!host)
            return {false, QCoreApplication::translate("RecoveryStep", "no drive for ") + zip};
        const QFileInfo info(*host);
        folder = info.absolutePath();
        names.append(info.fileName());
    }
    // Two dated sets in one folder keep recovery files of their own.
    const QString base = stem.isEmpty() ? m_ctx.job.zipBaseName() : stem;
    ViewState& view = m_ctx.view;
    Shell& shell = *m_ctx.services.shell;
    view.run.status = QCoreApplication::translate("RecoveryStep", "recovery files");
    view.run.zipName = base + QStringLiteral(".par2");
    view.run.progress = 0;
    view.notify();
    shell.processPendingEvents();

    std::atomic<bool> cancel{false};
    RecoveryCreator::Options options;
    options.rebuildableFiles = std::min<int>(wanted, int(zips.size()));
    options.creator = "Zavok32";
    options.engine.cancel = &cancel;
    options.engine.progress = [&](qint64 done, qint64 total) {
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        if (view.run.progress != percent) {
            view.run.progress = percent;
            view.notify();
        }
        shell.processPendingEvents();
        if (m_stopRequested)
            cancel = true;
    };
    if (m_stopRequested)
        return {false, QCoreApplication::translate("RecoveryStep", "stopped before the recovery files were written")};
    const RecoveryCreator::Result result = RecoveryCreator::create(folder, names, base, options);
    view.run.progress = 0;
    view.notify();
    if (!result.ok) {
        if (m_stopRequested)
            return {false, QCoreApplication::translate("RecoveryStep", "stopped while the recovery files were written; none was kept")};
        const QString reason = QCoreApplication::translate("RecoveryStep", "the recovery files could not be written: ") + result.error;
        if (!m_ctx.app.unattended())
            m_ctx.services.messages->show(
                QCoreApplication::translate("RecoveryStep", "Zavok32 error"),
                QCoreApplication::translate("RecoveryStep", "The ZIPs are made, but the recovery files could not be written:\r%1\r"
                               "Make room in the ZIP folder and run the job again, or choose fewer recovery files.")
                    .arg(result.error),
                MessageIcon::Stop);
        return {false, reason};
    }
    m_ctx.state.recoveryText = reportText(options.rebuildableFiles, qint64(result.files.size()), result.bytes);
    return {true, {}, result.files};
}
