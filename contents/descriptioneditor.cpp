#include "contents/descriptioneditor.h"

#include "contents/cp437screen.h"
#include "job/ripjob.h"
#include "platform/appdirectory.h"
#include "platform/driveservice.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

DescriptionEditorView editingView()
{
    return {};
}

DescriptionEditorView previewView()
{
    DescriptionEditorView view;
    view.fileMenuEnabled = false;
    view.saveShown = false;
    view.importShown = false;
    view.okShown = true;
    return view;
}

} // namespace

DescriptionEditor::DescriptionEditor(RipJob& job, Services& services, DescriptionWindow& window)
    : m_job(job)
    , m_services(services)
    , m_window(window)
{
}

std::optional<QByteArray> DescriptionEditor::fileBytes(const QString& hostPath)
{
    QFile file(hostPath);
    if (hostPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString DescriptionEditor::editorFileHost()
{
    return AppDirectory::path() + QStringLiteral("/temp/file_id.diz");
}

QByteArray DescriptionEditor::loadedText(const QByteArray& stored)
{
    QByteArray text;
    text.reserve(stored.size() + stored.size() / 16);
    for (const char b : stored) {
        if (b == '\n')
            text.append("\r\n", 2);
        else if (b != '\r')
            text.append(b);
    }
    return text;
}

std::optional<QByteArray> DescriptionEditor::savedBytes(const QByteArray& text)
{
    if (text.isEmpty())
        return std::nullopt;
    return text + "\r\n";
}

void DescriptionEditor::load(const DescriptionEditorView& view)
{
    m_services.shell->setMainWindowEnabled(false);
    m_view = view;
    m_window.open(m_view);
    // A missing or unreadable file leaves the text empty.
    const auto saved = fileBytes(editorFileHost());
    m_window.setText(Cp437Screen::toScreen(saved ? loadedText(*saved) : QByteArray()));
}

void DescriptionEditor::openForEditing()
{
    load(editingView());
}

void DescriptionEditor::openForEditing(const QByteArray& text)
{
    load(editingView());
    m_window.setText(Cp437Screen::toScreen(text));
}

void DescriptionEditor::openForPreview(const QByteArray& numberedText)
{
    load(previewView());
    m_window.setText(Cp437Screen::toScreen(numberedText));
}

void DescriptionEditor::closeEditor()
{
    m_window.close();
    m_services.shell->setMainWindowEnabled(true);
    m_services.shell->repaintMainWindow();
}

bool DescriptionEditor::writeEditorFile(const QByteArray& bytes)
{
    const QString host = editorFileHost();
    // "&Edit" can be the first use of the editor, before "&Create" has made
    // the folder.
    if (!QDir().mkpath(QFileInfo(host).path()))
        return false;
    QSaveFile file(host);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void DescriptionEditor::save()
{
    if (!isOpen() || previewing())
        return;
    const auto bytes = savedBytes(Cp437Screen::fromScreen(m_window.text()));
    if (bytes) {
        const auto dos = m_services.drives->toDos(editorFileHost());
        if (dos && writeEditorFile(*bytes))
            m_job.setDizPath(dos->toLower());
        else
            m_services.messages->show(saveErrorTitle(), saveErrorText(), MessageIcon::Exclamation);
    }
    closeEditor();
}

void DescriptionEditor::importFile(bool fromButton)
{
    if (!isOpen() || previewing())
        return;
    if (fromButton)
        m_window.focusText();
    FileDialogRequest request;
    request.title = importTitle();
    request.filter = importFilter();
    request.filterIndex = 0;
    request.fileName = QStringLiteral("*.diz");
    const auto chosen = m_services.fileDialog->ask(request);
    const auto host = chosen && !chosen->isEmpty() ? m_services.drives->toHost(*chosen) : std::nullopt;
    const auto bytes = host ? fileBytes(*host) : std::nullopt;
    if (!bytes) {
        closeEditor();
        return;
    }
    m_window.setText(Cp437Screen::toScreen(*bytes));
}

void DescriptionEditor::ok()
{
    if (isOpen())
        closeEditor();
}

void DescriptionEditor::cancel()
{
    if (isOpen())
        closeEditor();
}
