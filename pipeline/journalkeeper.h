#pragma once

#include "resume/runjournal.h"

#include <QString>
#include <functional>

// Keeps a run's journal true as the run goes: written when the work folder
// is made, again when the archiver has finished its set, and again as each
// ZIP is proven (before its volume is deleted). A journal that cannot
// be written is a failure of the run: a run that could not be continued
// must not look as if it could.
class JournalKeeper
{
public:
    // No journal is kept until start() or resume().
    bool active() const { return !m_folderHost.isEmpty(); }
    const RunJournal& journal() const { return m_journal; }

    void start(const QString& folderHost, const QString& folderDos, RunJournal journal);
    void resume(const QString& folderHost, const QString& folderDos, RunJournal journal);
    // The archiver's set: volumes 1..count by their names; whole only when
    // every one of them is there.
    void setMade(int count, const std::function<QString(int)>& volumeName);
    // ZIP n is in place at zipHost.
    void zipMade(int volume, const QString& name, const QString& zipHost);
    // The set's volumes failed their test: the run cannot be continued.
    void setUnsound();
    void stop();

private:
    void write();

    RunJournal m_journal;
    QString m_folderHost;
    QString m_folderDos;
};
