#include "setcheck/setcheckpage.h"

#include "platform/driveservice.h"
#include "platform/filedialog.h"
#include "platform/folderpicker.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "setcheck/setchecker.h"
#include "setcheck/setfinder.h"
#include "setcheck/setrepair.h"

#include <QCoreApplication>

namespace {

SetCheckRow rowOf(const FileVerdict& v)
{
    SetCheckRow row{v.name, FileVerdict::stateText(v.state), v.detail, SetCheckRow::Tone::Good};
    if (v.state == FileVerdict::State::Missing || v.state == FileVerdict::State::Damaged)
        row.tone = SetCheckRow::Tone::Bad;
    else if (v.state == FileVerdict::State::OtherSet)
        row.tone = SetCheckRow::Tone::Foreign;
    return row;
}

} // namespace

SetCheckPage::SetCheckPage(Services& services, ZipReader& reader, VolumeSetTester* tester)
    : m_services(services)
    , m_reader(reader)
    , m_tester(tester)
{
    m_view.hint = hintText();
    repairAvailable = [](const QList<SetCheckResult>& results) {
        bool lost = false;
        for (const SetCheckResult& r : results) {
            if (!SetRepair::lostAny(r))
                continue;
            if (!SetRepair::canRepair(r))
                return false;
            lost = true;
        }
        return lost;
    };
    repair = [](const QList<SetCheckResult>& results, const RepairProgress& progress) {
        QStringList lines;
        for (const SetCheckResult& r : results) {
            if (!SetRepair::lostAny(r))
                continue;
            const QString status = QCoreApplication::translate("SetCheckPage", "Rebuilding the lost ZIPs of ") + r.set.stem;
            const SetRepair::Outcome outcome = SetRepair::repair(r.set, [&](qint64 done, qint64 total) {
                return progress(status, total > 0 ? int(done * 100 / total) : 0);
            });
            lines << outcome.lines;
            if (!outcome.repaired)
                lines << r.set.stem + QStringLiteral(": ") + outcome.problem;
        }
        return lines.join(QLatin1Char('\n'));
    };
}

QString SetCheckPage::hintText()
{
    return QCoreApplication::translate("SetCheckPage", "Choose a ZIP of the set, its .sfv or .sha256 file, or the folder that holds it.");
}

void SetCheckPage::notify()
{
    if (changed)
        changed();
}

void SetCheckPage::open(const QString& startDos)
{
    m_startDos = startDos;
}

void SetCheckPage::chooseFile()
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("SetCheckPage", "Check a set");
    request.filter = QCoreApplication::translate("SetCheckPage", "ZIPs and checksum files (*.zip;*.sfv;*.sha256)|*.zip;*.sfv;*.sha256|All files (*.*)|*.*|");
    request.initialDir = m_checkedDos.isEmpty() ? m_startDos : m_checkedDos;
    const auto answer = m_services.fileDialog->ask(request);
    if (answer && !answer->isEmpty())
        check(*answer);
}

void SetCheckPage::chooseFolder()
{
    FolderPickerRequest request;
    request.title = QCoreApplication::translate("SetCheckPage", "The folder of the set");
    request.root = QStringLiteral("desktop");
    request.initialSelection = m_checkedDos.isEmpty() ? m_startDos : m_checkedDos;
    const auto answer = m_services.folderPicker->pick(request, {});
    if (answer && !answer->isEmpty())
        check(*answer);
}

void SetCheckPage::checkAgain()
{
    if (!m_checkedDos.isEmpty())
        check(m_checkedDos);
}

void SetCheckPage::stop()
{
    m_stop = true;
}

void SetCheckPage::repairSet()
{
    if (!repair || !m_view.repairEnabled || m_view.busy)
        return;
    m_stop = false;
    m_view.busy = true;
    m_view.chooseEnabled = m_view.checkAgainEnabled = m_view.repairEnabled = false;
    m_view.stopEnabled = true;
    m_view.status = QCoreApplication::translate("SetCheckPage", "Repairing...");
    m_view.progress = 0;
    notify();
    m_services.shell->processPendingEvents();
    const QString told = repair(m_results, [this](const QString& status, int percent) {
        if (percent != m_view.progress || status != m_view.status) {
            m_view.progress = percent;
            m_view.status = status;
            notify();
        }
        m_services.shell->processPendingEvents();
        return !m_stop;
    });
    m_view.busy = false;
    // What the set is now, below what was done.
    m_repairNote = told;
    check(m_checkedDos);
}

void SetCheckPage::check(const QString& dosPath)
{
    if (m_view.busy)
        return;
    m_checkedDos = dosPath;
    m_results.clear();
    m_stop = false;
    m_view.pathText = dosPath;
    m_view.rows.clear();
    m_view.summary.clear();
    m_view.summaryGood = false;
    m_view.repairShown = m_view.repairEnabled = false;
    const auto host = m_services.drives->toHost(dosPath);
    if (!host) {
        showResults(dosPath + QCoreApplication::translate("SetCheckPage", " is on no drive"));
        return;
    }
    m_view.busy = true;
    m_view.chooseEnabled = m_view.checkAgainEnabled = false;
    m_view.stopEnabled = true;
    m_view.status = QCoreApplication::translate("SetCheckPage", "Looking for the set...");
    m_view.progress = 0;
    notify();
    m_services.shell->processPendingEvents();

    SetFinder finder(m_reader);
    const SetFinder::Found found = finder.find(*host);
    SetChecker checker(m_reader, m_tester);
    for (int i = 0; i < found.sets.size() && !m_stop; ++i) {
        const int sets = int(found.sets.size());
        m_results << checker.check(found.sets[i], [this, i, sets](const QString& status, int percent) {
            const int overall = (i * 100 + percent) / sets;
            const QString shown = status.isEmpty() ? QString() : QCoreApplication::translate("SetCheckPage", "Checking ") + status;
            if (overall != m_view.progress || shown != m_view.status) {
                m_view.progress = overall;
                m_view.status = shown;
                notify();
            }
            m_services.shell->processPendingEvents();
            return !m_stop;
        });
        for (const FileVerdict& v : m_results.back().zips)
            m_view.rows << rowOf(v);
        for (const FileVerdict& v : m_results.back().strays)
            m_view.rows << rowOf(v);
        for (const FileVerdict& v : m_results.back().extras)
            m_view.rows << rowOf(v);
    }
    showResults(found.sets.isEmpty() ? found.problem : QString());
}

void SetCheckPage::showResults(const QString& problem)
{
    m_view.busy = false;
    m_view.stopEnabled = false;
    m_view.chooseEnabled = true;
    m_view.checkAgainEnabled = !m_checkedDos.isEmpty();
    m_view.progress = 0;
    m_view.status.clear();
    if (!problem.isEmpty()) {
        m_view.summary = problem + QLatin1Char('.');
    } else {
        QStringList lines;
        bool good = !m_results.isEmpty();
        for (const SetCheckResult& r : m_results) {
            lines << r.summary();
            good = good && r.wholeAndSound();
        }
        if (m_stop)
            lines << QCoreApplication::translate("SetCheckPage", "The check was stopped.");
        if (!m_repairNote.isEmpty())
            lines.prepend(m_repairNote);
        m_view.summary = lines.join(QLatin1Char('\n'));
        m_view.summaryGood = good && !m_stop;
    }
    m_repairNote.clear();
    m_view.repairShown = m_view.repairEnabled =
        !m_view.summaryGood && !m_results.isEmpty() && !m_stop && repairAvailable && repairAvailable(m_results);
    notify();
}
