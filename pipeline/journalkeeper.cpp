#include "pipeline/journalkeeper.h"

#include "pipeline/runfailure.h"
#include "platform/zipcrc.h"
#include "resume/workfolder.h"

#include <QCoreApplication>
#include <QFileInfo>

void JournalKeeper::start(const QString& folderHost, const QString& folderDos, RunJournal journal)
{
    m_folderHost = folderHost;
    m_folderDos = folderDos;
    m_journal = std::move(journal);
    write();
}

void JournalKeeper::resume(const QString& folderHost, const QString& folderDos, RunJournal journal)
{
    m_folderHost = folderHost;
    m_folderDos = folderDos;
    m_journal = std::move(journal);
}

void JournalKeeper::setMade(int count, const std::function<QString(int)>& volumeName)
{
    if (!active())
        return;
    m_journal.volumes.clear();
    bool whole = count > 0;
    for (int n = 1; n <= count; ++n) {
        const auto volume = WorkFolder::volumeNow(m_folderHost, volumeName(n));
        if (!volume) {
            whole = false;
            break;
        }
        m_journal.volumes << *volume;
    }
    m_journal.setWhole = whole;
    if (!whole)
        m_journal.volumes.clear();
    write();
}

void JournalKeeper::zipMade(int volume, const QString& name, const QString& zipHost)
{
    if (!active() || !m_journal.setWhole)
        return;
    QString error;
    const auto crc = zipcrc::ofFile(zipHost, &error);
    if (!crc)
        throw RunFailure(QCoreApplication::translate("JournalKeeper", "cannot read back %1: %2").arg(name, error));
    m_journal.zips.removeIf([volume](const RunJournal::Zip& z) { return z.number == volume; });
    m_journal.zips << RunJournal::Zip{volume, name, QFileInfo(zipHost).size(), *crc};
    write();
}

void JournalKeeper::setUnsound()
{
    if (!active() || !m_journal.setWhole)
        return;
    m_journal.setUnsound = true;
    write();
}

void JournalKeeper::stop()
{
    m_folderHost.clear();
    m_folderDos.clear();
    m_journal = RunJournal();
}

void JournalKeeper::write()
{
    QString error;
    if (!m_journal.write(m_folderHost, &error))
        throw RunFailure(QCoreApplication::translate("JournalKeeper", "cannot write the run's journal in %1: %2").arg(m_folderDos, error),
                         QCoreApplication::translate("JournalKeeper", "Zavok32 cannot write the run's journal in %1 (%2).").arg(m_folderDos, error)
                             + QCoreApplication::translate("JournalKeeper", "\rMake room on the work drive, then run the job again."));
}
