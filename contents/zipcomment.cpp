#include "contents/zipcomment.h"

#include "contents/fileineditor.h"
#include "job/ripjob.h"
#include "platform/driveservice.h"
#include "platform/filedialog.h"
#include "platform/fileops.h"
#include "platform/messagebox.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ZipComment::ZipComment(RipJob& job, Services& services, QString appDirHost)
    : m_job(job)
    , m_services(services)
    , m_appDirHost(std::move(appDirHost))
{
}

QString ZipComment::appFileHost(const QString& name) const
{
    return QDir(m_appDirHost).filePath(name);
}

void ZipComment::removeMarkers()
{
    // Start-up takes a marker in any case for the switch, so every one goes.
    const QDir dir(m_appDirHost);
    for (const QString& name : dir.entryList({markerName()}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(name));
}

void ZipComment::switchOff()
{
    m_job.setUseZipComment(false);
    removeMarkers();
}

void ZipComment::toggle()
{
    if (m_job.useZipComment()) {
        switchOff();
        return;
    }
    if (!QFileInfo::exists(appFileHost(workingCopyName())))
        open();
    // Whatever the dialog gave: the run tells of a missing working copy.
    removeMarkers();
    QFile marker(appFileHost(markerName()));
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        marker.close();
    m_job.setUseZipComment(true);
}

void ZipComment::open()
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("ZipComment", "Zip comment file");
    request.filter = QCoreApplication::translate("ZipComment", "Zip comment file (*.*)|*.*|");
    request.filterIndex = 0;
    request.fileName = workingCopyName();
    request.initialDir = m_job.sourcePath().isEmpty() ? m_services.drives->toDos(m_appDirHost).value_or(QString())
                                                      : m_job.sourcePath();
    const auto chosen = m_services.fileDialog->ask(request);
    if (!chosen) {
        switchOff();
        return;
    }
    if (chosen->toLower().isEmpty())
        return;
    const auto length = m_services.drives->fileLength(*chosen);
    if (!length) {
        switchOff();
        return;
    }
    if (*length > kMaxCommentBytes) {
        m_services.messages->show(QCoreApplication::translate("ZipComment", "Zavok32 error"), tooLargeText(), MessageIcon::Exclamation);
        switchOff();
        return;
    }
    // The copy is written beside the working copy and renamed over it, so a
    // failed copy (the working copy chosen itself, among others) leaves it
    // as it was. Only a file that was copied is remembered for scripts: one
    // that cannot be copied would fail every reading of the script.
    const auto host = m_services.drives->toHost(*chosen);
    if (!host || !fileops::copyReplacing(*host, appFileHost(workingCopyName()))) {
        switchOff();
        return;
    }
    m_job.setZipCommentPath(*chosen);
}

void ZipComment::view()
{
    FileInEditor::openHost(m_services, appFileHost(workingCopyName()));
}
