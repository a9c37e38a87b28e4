#pragma once

#include "contents/descriptionwindow.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QString>
#include <optional>

class RipJob;
struct Services;

// The description editor: the window in which a file_id.diz is written
// ("&Create"), edited ("&Edit") or its numbering previewed ("&Test"). Its
// own file is "temp\file_id.diz" in the application directory; saving there
// makes that file the job's description. The file chosen with Browse is
// never written.
//
// Texts are code page 437 bytes with CR LF line ends; the window shows them
// through Cp437Screen, so what is saved is byte for byte what was shown.
// While the window is open the main window is disabled; every way of closing
// it enables the main window again and redraws it.
class DescriptionEditor
{
public:
    DescriptionEditor(RipJob& job, Services& services, DescriptionWindow& window);

    // "&Create": the text saved last, or an empty one.
    void openForEditing();
    // "&Edit": the editor with `text` in place of the text saved last, as
    // stored (no line-end conversion).
    void openForEditing(const QByteArray& text);
    // The numbering preview: the numbered text; only "&OK" is offered.
    void openForPreview(const QByteArray& numberedText);

    // "&Save" and "&Save...": an empty text writes nothing; otherwise the
    // text and one CR LF go to "temp\file_id.diz", which becomes dizPath.
    // "Save error" when it cannot be written. The editor closes either way.
    void save();
    // "&Import" (which first puts the focus into the text) and
    // "&Import...": the whole of a chosen file in place of the text;
    // Cancel, or a file that cannot be read, closes the editor and the text
    // is lost.
    void importFile(bool fromButton);
    // "&OK" and the window's close box.
    void ok();
    // "&Cancel" of the File menu.
    void cancel();

    bool isOpen() const { return m_window.isOpen(); }
    bool previewing() const { return m_view.okShown; }
    const DescriptionEditorView& view() const { return m_view; }

    // The editor's file as it is loaded: every LF becomes CR LF, every CR is
    // left out, any other byte is kept.
    static QByteArray loadedText(const QByteArray& stored);
    // What saving writes for a text: nothing for an empty one.
    static std::optional<QByteArray> savedBytes(const QByteArray& text);

    // The whole content of a file, as stored; none when it cannot be read.
    static std::optional<QByteArray> fileBytes(const QString& hostPath);
    // Host path of "temp\file_id.diz".
    static QString editorFileHost();

    static QString saveErrorTitle() { return QCoreApplication::translate("DescriptionEditor", "Zavok error"); }
    static QString saveErrorText() { return QCoreApplication::translate("DescriptionEditor", "Save error"); }
    static QString importTitle() { return QCoreApplication::translate("DescriptionEditor", "File_id.diz"); }
    static QString importFilter() { return QCoreApplication::translate("DescriptionEditor", "file_id.diz (*.diz)|*.diz"); }

private:
    void load(const DescriptionEditorView& view);
    void closeEditor();
    bool writeEditorFile(const QByteArray& bytes);

    RipJob& m_job;
    Services& m_services;
    DescriptionWindow& m_window;
    DescriptionEditorView m_view;
};
