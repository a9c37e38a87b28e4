#include "contents/dizfile.h"

#include "contents/descriptioneditor.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "platform/appdirectory.h"
#include "platform/driveservice.h"
#include "platform/filedialog.h"
#include "platform/fileops.h"
#include "platform/messagebox.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace

DizFile::DizFile(RipJob& job, RipRunState& state, ViewState& view, Services& services, DescriptionEditor& editor)
    : m_job(job)
    , m_state(state)
    , m_view(view)
    , m_services(services)
    , m_editor(editor)
{
}

QString DizFile::appCopyHost()
{
    return AppDirectory::path() + QStringLiteral("/file_id.diz");
}

QString DizFile::copyFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("DizFile", "The file_id.diz can't be copied to your application directory:\r") + path
        + QStringLiteral("\r") + reason;
}

QString DizFile::readFailure(const QString& path)
{
    return QCoreApplication::translate("DizFile", "The file_id.diz can't be read:\r") + path;
}

QString DizFile::testFailure(const QString& reason)
{
    return QCoreApplication::translate("DizFile", "The numbering can't be tested:\r") + reason;
}

void DizFile::browse()
{
    m_services.shell->focus(FocusTarget::DizSink);
    FileDialogRequest request;
    request.title = browseTitle();
    request.filter = browseFilter();
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.diz");
    request.initialDir = m_job.dizPath().isEmpty() ? m_job.sourcePath() : m_job.dizPath();
    const auto chosen = m_services.fileDialog->ask(request);
    if (!chosen || chosen->isEmpty()) {
        m_job.setDizPath(QString());
        return;
    }
    const QString path = chosen->toLower();
    m_job.setDizPath(path);

    const QString source = m_services.drives->toHost(path).value_or(QString());
    const QString copy = appCopyHost();
    if (sameFile(source, copy)) {
        m_services.messages->show(errorTitle(), ownCopyRefusal(), MessageIcon::Stop);
        m_job.setDizPath(QString());
        return;
    }
    QString error = QCoreApplication::translate("DizFile", "the drive is not mapped");
    if (source.isEmpty() || !fileops::copyReplacing(source, copy, &error)) {
        // Not the application directory's own copy: say what did fail.
        m_services.messages->show(errorTitle(), copyFailure(path, error), MessageIcon::Stop);
        m_job.setDizPath(QString());
    }
}

void DizFile::create()
{
    m_services.shell->focus(FocusTarget::DizSink);
    QDir().mkpath(QFileInfo(DescriptionEditor::editorFileHost()).path());
    chooseNumbering(false);
    m_job.setDizPath(QString());
    m_editor.openForEditing();
}

void DizFile::edit()
{
    m_services.shell->focus(FocusTarget::DizSink);
    if (m_job.dizPath().isEmpty())
        return;
    // Read before the editor opens: an editor showing the text saved last
    // in place of the chosen file would save that text as the description.
    const auto bytes = DescriptionEditor::fileBytes(m_services.drives->toHost(m_job.dizPath()).value_or(QString()));
    if (!bytes) {
        m_services.messages->show(errorTitle(), readFailure(m_job.dizPath()), MessageIcon::Stop);
        return;
    }
    m_editor.openForEditing(*bytes);
}

void DizFile::test()
{
    m_services.shell->focus(FocusTarget::DizSink);
    if (!checkNumbering)
        return;
    // Without a description there is nothing to number: say so rather than
    // leave the button looking broken.
    if (m_job.dizPath().isEmpty()) {
        m_services.messages->show(errorTitle(), noDescriptionToTest(), MessageIcon::Exclamation);
        return;
    }
    m_state.dizPreviewMode = true;
    const std::optional<QString> failure = checkNumbering();
    m_state.dizPreviewMode = false;
    if (failure)
        m_services.messages->show(errorTitle(), testFailure(*failure), MessageIcon::Stop);
}

void DizFile::chooseNumbering(bool on)
{
    m_job.setAutoNumbering(on);
}

void DizFile::numberBoxHovered(FocusTarget box)
{
    if (m_job.autoNumbering())
        m_services.shell->focus(box);
}

void DizFile::pathChanged()
{
    m_view.diz.editEnabled = !m_job.dizPath().isEmpty();
    m_view.notify();
}

void DizFile::numberingChanged()
{
    m_view.diz.numberBoxesEnabled = m_job.autoNumbering();
    m_view.diz.testEnabled = m_job.autoNumbering();
    m_view.notify();
}
