#include "contents/zipstorage.h"

#include "job/captions.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "platform/driveservice.h"
#include "platform/foldernesting.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>

ZipStorage::ZipStorage(RipJob& job, ViewState& view, Services& services, FolderPicker::SelectionHandler folderCheck)
    : m_job(job)
    , m_view(view)
    , m_services(services)
    , m_folderCheck(std::move(folderCheck))
{
}

QString ZipStorage::lessThanSourceText(QChar driveLetter)
{
    return QCoreApplication::translate("ZipStorage", "Free space on ") + driveLetter + QCoreApplication::translate("ZipStorage", " is less than source size");
}

QString ZipStorage::insideSourceText(const QString& folder, const QString& source)
{
    return QCoreApplication::translate("ZipStorage", "The folder ") + folder + QCoreApplication::translate("ZipStorage", " lies inside the source ") + source
           + QCoreApplication::translate("ZipStorage", ".\rThe set will be packed without it and without the ZIPs written there.")
           + QCoreApplication::translate("ZipStorage", "\rKeep it as the folder for the ZIPs?");
}

QString ZipStorage::sourceItselfText(const QString& folder)
{
    return QCoreApplication::translate("ZipStorage", "The folder ") + folder
           + QCoreApplication::translate("ZipStorage", " is the source folder: the set cannot be written into the folder it packs.")
           + QCoreApplication::translate("ZipStorage", "\rChoose another folder for the ZIPs.");
}

bool ZipStorage::besideTheSource(const QString& chosen)
{
    if (chosen.isEmpty() || m_job.imageMode())
        return true;
    const auto folder = m_services.drives->toHost(chosen);
    const auto source = m_services.drives->toHost(m_job.sourcePath());
    if (!folder || !source)
        return true;
    switch (FolderNesting::relation(*folder, *source)) {
    case FolderNesting::Relation::Apart:
        return true;
    case FolderNesting::Relation::Same:
        m_services.messages->show(QCoreApplication::translate("ZipStorage", "Zavok32 error"), sourceItselfText(chosen), MessageIcon::Stop);
        return false;
    case FolderNesting::Relation::Inside:
        break;
    }
    return m_services.messages->show(QCoreApplication::translate("ZipStorage", "Zavok32"), insideSourceText(chosen, m_job.sourcePath()),
                                     MessageIcon::Exclamation, MessageButtons::OkCancel)
        == MessageResult::Ok;
}

void ZipStorage::browse()
{
    Shell* shell = m_services.shell;
    if (shell)
        shell->focus(FocusTarget::ZipSink);
    if (m_job.sourcePath().isEmpty()) {
        if (shell)
            shell->showPage(PageId::Source);
        return;
    }

    FolderPickerRequest request;
    request.title = QCoreApplication::translate("ZipStorage", "Directory for zip's");
    request.root = QStringLiteral("desktop");
    request.initialSelection = m_job.zipDirectory().isEmpty() ? QStringLiteral("c:\\") : m_job.zipDirectory();
    const auto chosen = m_services.folderPicker->pick(request, m_folderCheck);
    if (!chosen)
        return;
    if (!besideTheSource(chosen->toLower()))
        return;
    m_job.setZipDirectory(chosen->toLower());
    if (chosen->isEmpty())
        return;

    // A drive whose free space cannot be read takes no files either.
    const qint64 freeBytes = m_services.drives->driveFreeBytes(chosen->left(1)).value_or(0);
    if (freeBytes < 1) {
        m_view.zip.freeSpaceCaption = noFreeSpaceCaption();
        m_view.notify();
        m_job.setZipDirectory(QString());
        return;
    }
    m_view.zip.freeSpaceCaption = captions::zipFreeSpace(freeBytes);
    m_view.notify();
    if (m_job.sourceMegabytes() > float(captions::zipFreeMegabytes(freeBytes)))
        m_services.messages->show(QCoreApplication::translate("ZipStorage", "Zavok32"), lessThanSourceText(chosen->at(0)),
                                  MessageIcon::Information);
}
