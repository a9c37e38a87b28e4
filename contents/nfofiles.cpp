#include "contents/nfofiles.h"

#include "contents/fileineditor.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "platform/driveservice.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

NfoFiles::NfoFiles(RipJob& job, ViewState& view, Services& services, QString appDirHost,
                   FolderPicker::SelectionHandler folderCheck, QObject* parent)
    : QObject(parent)
    , m_job(job)
    , m_view(view)
    , m_services(services)
    , m_appDirHost(std::move(appDirHost))
    , m_folderCheck(std::move(folderCheck))
{
    connect(&m_job, &RipJob::changed, this, [this](RipJob::Field field) {
        if (field == RipJob::Field::NfoPath && m_view.nfo.editEnabled == m_job.nfoPath().isEmpty()) {
            m_view.nfo.editEnabled = !m_job.nfoPath().isEmpty();
            m_view.notify();
        }
        if (field == RipJob::Field::ExtraChoice && m_job.extraChoice() != ExtraChoice::Neither
            && !m_view.nfo.extraBrowseEnabled) {
            m_view.nfo.extraBrowseEnabled = true;
            m_view.notify();
        }
    });
}

QString NfoFiles::cannotCreateText(const QString& path)
{
    return QCoreApplication::translate("NfoFiles", "The information file could not be created:\r\n") + path;
}

void NfoFiles::focusSink()
{
    if (m_services.shell)
        m_services.shell->focus(FocusTarget::NfoSink);
}

void NfoFiles::browseNfo()
{
    focusSink();
    FileDialogRequest request;
    request.title = QCoreApplication::translate("NfoFiles", "Add *.nfo");
    request.filter = QCoreApplication::translate("NfoFiles", "Nfo file(*.nfo)|*.nfo|Text file (*.txt)|*.txt|");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.nfo");
    request.initialDir = m_job.dizPath();
    const auto chosen = m_services.fileDialog->ask(request);
    m_job.setNfoPath(chosen ? chosen->toLower() : QString());
}

void NfoFiles::createNfo()
{
    focusSink();
    m_services.messages->show(QCoreApplication::translate("NfoFiles", "Zavok32"), createHintText(), MessageIcon::None);

    const auto appDirDos = m_services.drives->toDos(m_appDirHost);
    const QString aboutDos = appDirDos.value_or(m_appDirHost) + QStringLiteral("\\temp\\About.nfo");
    // The names are matched without regard to case, so an older "Temp" or
    // "ABOUT.NFO" is the one used.
    const auto tempHost = appDirDos ? m_services.drives->toHost(*appDirDos + QStringLiteral("\\temp")) : std::nullopt;
    const auto aboutHost = m_services.drives->toHost(aboutDos);
    bool ready = tempHost && aboutHost && QDir().mkpath(*tempHost);
    if (ready && !QFileInfo::exists(*aboutHost)) {
        QFile file(*aboutHost);
        ready = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!ready) {
        m_services.messages->show(QCoreApplication::translate("NfoFiles", "Zavok32 error"), cannotCreateText(aboutHost.value_or(aboutDos)),
                                  MessageIcon::Exclamation);
        return;
    }
    if (m_services.shell)
        m_services.shell->processPendingEvents();
    FileInEditor::openHost(m_services, *aboutHost);
    m_job.setNfoPath(aboutDos.toLower());
}

void NfoFiles::editNfo()
{
    focusSink();
    if (!m_job.nfoPath().isEmpty())
        FileInEditor::open(m_services, m_job.nfoPath());
}

void NfoFiles::markExtra(ExtraChoice choice)
{
    if (choice != m_job.extraChoice())
        m_job.chooseExtra(choice);
}

void NfoFiles::browseExtra()
{
    focusSink();
    switch (m_job.extraChoice()) {
    case ExtraChoice::File: browseExtraFile(); break;
    case ExtraChoice::Directory: browseExtraDirectory(); break;
    case ExtraChoice::Neither: break;
    }
}

void NfoFiles::browseExtraFile()
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("NfoFiles", "Add extra file");
    request.filter = QCoreApplication::translate("NfoFiles", "Extra file (*.*)|*.*|");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.*");
    request.initialDir = m_job.nfoPath();
    const auto chosen = m_services.fileDialog->ask(request);
    m_job.setExtraPath(chosen ? chosen->toLower() : QString());
}

void NfoFiles::browseExtraDirectory()
{
    FolderPickerRequest request;
    request.title = QCoreApplication::translate("NfoFiles", "Extra directory of files to add to Zip");
    const auto chosen = m_services.folderPicker->pick(request, m_folderCheck);
    if (chosen)
        m_job.setExtraPath(chosen->toLower());
}
