#include "source/skiplist.h"

#include "job/pagenotices.h"
#include "job/ripjob.h"
#include "platform/filedialog.h"
#include "platform/folderpicker.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "source/folderselection.h"

#include <QCoreApplication>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
QString errorTitle()
{
    return QCoreApplication::translate("SkipList", "Zavok32 error");
}

} // namespace

SkipList::SkipList(RipJob& job, Services& services, const FolderSelection& folderSelection, ViewState* view)
    : m_job(job)
    , m_services(services)
    , m_folderSelection(folderSelection)
    , m_view(view)
{
}

QString SkipList::ownName(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
}

void SkipList::addSkipEntry()
{
    m_services.shell->focus(FocusTarget::SkipSink);
    if (m_view)
        PageNotices::set(*m_view, PageId::Skip, QString());
    if (m_job.sourcePath().isEmpty()) {
        m_services.messages->show(errorTitle(), noSourceText(), MessageIcon::Stop);
        m_services.shell->showPage(PageId::Source);
        return;
    }
    if (m_kind == Kind::SubDirectory)
        addSubDirectory();
    else
        addFile();
}

void SkipList::addSubDirectory()
{
    FolderPickerRequest request;
    request.title = QCoreApplication::translate("SkipList", "Directory to skip");
    request.root = m_job.sourcePath();
    const auto chosen = m_services.folderPicker->pick(request, m_folderSelection.handler());
    if (!chosen || chosen->isEmpty())
        return;
    // A picker may hand a folder back with its closing "\"; it is the same
    // folder with the same name.
    QString folder = *chosen;
    if (folder.size() > 3 && folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    if (folder.toLower() == m_job.sourcePath().toLower()) {
        // Nothing is added, as ever; the page says why.
        if (m_view)
            PageNotices::set(*m_view, PageId::Skip, PageNotices::skipSourceItselfText());
        return;
    }

    QString entries = (m_job.skipEntries() + ownName(folder)).toLower();
    entries += entries.endsWith(QLatin1Char('\\')) ? QStringLiteral("*.*") : QStringLiteral("\\*.*");
    m_job.setSkipEntries(entries + kCrLf);
}

void SkipList::addFile()
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("SkipList", "Add skip file");
    request.filter = QCoreApplication::translate("SkipList", "Skip file (*.*)|*.*|");
    request.initialDir = m_job.sourcePath();
    request.fileName = QStringLiteral("*.*");
    const auto chosen = m_services.fileDialog->ask(request);
    if (!chosen)
        return;
    m_services.shell->focus(FocusTarget::SkipSink);

    const QString file = chosen->toLower();
    if (file.isEmpty())
        return;
    const QString source = m_job.sourcePath().toLower();
    if (file.left(source.size()) != source) {
        m_services.messages->show(errorTitle(), outsideSourceText(), MessageIcon::Stop);
        return;
    }
    m_job.setSkipEntries(m_job.skipEntries().toLower() + ownName(file) + kCrLf);
}

void SkipList::clearSkipEntries()
{
    m_job.setSkipEntries(QString());
    m_services.shell->focus(FocusTarget::SkipSink);
}
