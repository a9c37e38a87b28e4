#include "pipeline/cleanuplist.h"

#include "pipeline/setlock.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "resume/sizetext.h"
#include "resume/zipfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kLockEnd = QStringLiteral(".zavok32-lock");

} // namespace

CleanUpList::CleanUpList(const DriveService& drives, MessageBox& messages, QString appDirHost)
    : m_drives(drives)
    , m_messages(messages)
    , m_appDirHost(std::move(appDirHost))
{
}

void CleanUpList::refresh()
{
    m_view = CleanUpView();
    m_entries.clear();
    QStringList zipFolders = zipfolders::load(m_appDirHost);
    for (const WorkFolder& folder : WorkFolder::onEveryDrive(m_drives)) {
        addWorkFolder(folder);
        const QString zipDir = folder.journal ? folder.journal->setting(QStringLiteral("zip-folder")) : QString();
        if (!zipDir.isEmpty() && !zipFolders.contains(zipDir, Qt::CaseInsensitive))
            zipFolders << zipDir;
    }
    QSet<QString> seen;
    for (const QString& zipDir : zipFolders) {
        const auto host = m_drives.toHost(zipDir);
        if (!host || seen.contains(QFileInfo(*host).canonicalFilePath()))
            continue;
        seen.insert(QFileInfo(*host).canonicalFilePath());
        addUnfinishedZips(zipDir);
    }
    if (m_view.rows.isEmpty())
        m_view.empty = QCoreApplication::translate("CleanUpList", "Nothing to clean up: no interrupted run left a work folder, and no unfinished ZIP "
                                      "lies in the ZIP folders your runs wrote into.");
    updateSummary();
}

void CleanUpList::addWorkFolder(const WorkFolder& folder)
{
    if (folder.journal && SetLock::isHeld(folder.zipFolderHost(m_drives), folder.journal->setting(QStringLiteral("base-name"))))
        return; // a run that goes on right now
    CleanUpRow row;
    row.name = folder.dos;
    const QString why = folder.whyNotContinuable(m_drives);
    if (why.isEmpty()) {
        const Leftovers left = folder.leftovers();
        row.what = QCoreApplication::translate("CleanUpList", "Can go on: %1").arg(left.doneText());
    } else {
        row.what = QCoreApplication::translate("CleanUpList", "Cannot go on: ") + why;
        row.ticked = true;
    }
    const qint64 bytes = folder.bytes();
    row.size = megabytesText(bytes);
    m_view.rows << row;
    m_entries << Entry{folder.host, true, bytes};
}

void CleanUpList::addUnfinishedZips(const QString& zipDirDos)
{
    const auto host = m_drives.toHost(zipDirDos);
    if (!host)
        return;
    const QDir dir(*host);
    QStringList liveBases;
    for (const QString& lock : dir.entryList({QLatin1Char('*') + kLockEnd}, QDir::Files | QDir::Hidden)) {
        const QString base = lock.mid(1).chopped(kLockEnd.size());
        if (SetLock::isHeld(*host, base))
            liveBases << base;
    }
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.zip.unfinished-*")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        const bool live = std::any_of(liveBases.cbegin(), liveBases.cend(),
                                      [&](const QString& base) { return file.fileName().startsWith(base, Qt::CaseInsensitive); });
        if (live)
            continue;
        CleanUpRow row;
        const QString folder = zipDirDos.endsWith(QLatin1Char('\\')) ? zipDirDos : zipDirDos + QLatin1Char('\\');
        row.name = folder + file.fileName();
        row.what = QCoreApplication::translate("CleanUpList", "Unfinished ZIP: a run was killed while it wrote it");
        row.size = megabytesText(file.size());
        row.ticked = true;
        m_view.rows << row;
        m_entries << Entry{file.filePath(), false, file.size()};
    }
}

void CleanUpList::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= m_view.rows.size())
        return;
    m_view.rows[row].ticked = ticked;
    updateSummary();
}

void CleanUpList::updateSummary()
{
    int ticked = 0;
    qint64 bytes = 0;
    for (int i = 0; i < m_view.rows.size(); ++i) {
        if (m_view.rows[i].ticked) {
            ++ticked;
            bytes += m_entries[i].bytes;
        }
    }
    m_view.deleteEnabled = ticked > 0;
    m_view.summary = m_view.rows.isEmpty()
        ? QString()
        : QCoreApplication::translate("CleanUpList", "%1 of %2 ticked: %3").arg(ticked).arg(m_view.rows.size()).arg(megabytesText(bytes));
}

qint64 CleanUpList::deleteTicked()
{
    QList<int> chosen;
    qint64 bytes = 0;
    for (int i = 0; i < m_view.rows.size(); ++i) {
        if (m_view.rows[i].ticked) {
            chosen << i;
            bytes += m_entries[i].bytes;
        }
    }
    if (chosen.isEmpty())
        return 0;
    const QString what = chosen.size() == 1 ? m_view.rows[chosen.first()].name
                                            : QCoreApplication::translate("CleanUpList", "the %1 ticked items").arg(chosen.size());
    if (m_messages.show(QStringLiteral("Zavok32"), QCoreApplication::translate("CleanUpList", "Delete %1 (%2)?\rThis cannot be undone.").arg(what, megabytesText(bytes)),
                        MessageIcon::Question, MessageButtons::YesNo)
        != MessageResult::Yes)
        return 0;
    qint64 freed = 0;
    QStringList failed;
    for (const int i : std::as_const(chosen)) {
        const Entry& entry = m_entries[i];
        const bool gone = entry.folder ? QDir(entry.host).removeRecursively() : QFile::remove(entry.host);
        if (gone)
            freed += entry.bytes;
        else
            failed << m_view.rows[i].name;
    }
    if (!failed.isEmpty())
        m_messages.show(QCoreApplication::translate("CleanUpList", "Zavok32 error"),
                        QCoreApplication::translate("CleanUpList", "These could not be deleted (or not whole): %1.\rCheck that you may write there.")
                            .arg(failed.join(QStringLiteral(", "))),
                        MessageIcon::Exclamation);
    refresh();
    return freed;
}

QString CleanUpList::startupNotice(const QList<WorkFolder>& folders)
{
    if (folders.isEmpty())
        return {};
    QStringList names;
    qint64 bytes = 0;
    for (const WorkFolder& folder : folders) {
        names << folder.dos;
        bytes += folder.bytes();
    }
    const QString shown = megabytesText(bytes);
    const QString list = names.join(QStringLiteral(", "));
    if (folders.size() == 1)
        return QCoreApplication::translate("CleanUpList", "An interrupted run left its work folder (%1): %2. Zavok! continues a run "
                                                          "of the same job; Options > Clean up removes it.")
            .arg(shown, list);
    return QCoreApplication::translate("CleanUpList", "Interrupted runs left %1 work folders (%2): %3. Zavok! continues a run "
                                                      "of the same job; Options > Clean up removes them.")
        .arg(QString::number(folders.size()), shown, list);
}
