#pragma once

#include "platform/shell.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class DescriptionEditor;
class RipJob;
class ViewState;
struct RipRunState;
struct Services;

// The Diz page's commands: which description file (file_id.diz) goes into
// every ZIP, writing or editing it in the description editor, and whether
// and where the volume number is written into it. The four buttons first
// take the focus off every visible control (the page's focus sink), so that
// no control keeps it.
class DizFile
{
public:
    DizFile(RipJob& job, RipRunState& state, ViewState& view, Services& services, DescriptionEditor& editor);

    // "&Browse": an existing description. Cancel empties dizPath; a chosen
    // file becomes dizPath (lower case) and is copied to the application
    // directory's "file_id.diz", which therefore cannot be chosen itself.
    void browse();
    // "&Create": numbering off, no description chosen, and the editor with
    // the text saved last; saving there makes that text the description.
    void create();
    // "&Edit": the editor with the chosen description's bytes; nothing when
    // none is chosen.
    void edit();
    // "&Test": the numbering check in preview mode, which shows the
    // numbered description in the editor or says why the position does
    // not fit.
    void test();

    // "&None" (false) and "S&ubsitute at column" (true). The boxes keep
    // their texts either way.
    void chooseNumbering(bool on);
    // The mouse moved over a number box: with numbering on, it takes the
    // keyboard focus.
    void numberBoxHovered(FocusTarget box);
    // The number boxes and "&Test" follow autoNumbering; run on every change
    // of it, whoever makes it (a script, the output mode of an image).
    void numberingChanged();
    // "&Edit" is there only while a description is chosen; run on every
    // change of dizPath.
    void pathChanged();

    // The numbering check of the run, called with dizPreviewMode set; it
    // answers why it could not do its work, or nothing.
    std::function<std::optional<QString>()> checkNumbering;

    static QString browseTitle() { return QCoreApplication::translate("DizFile", "Add file_id.diz"); }
    static QString browseFilter() { return QCoreApplication::translate("DizFile", "File_id.diz (*.diz)|*.diz|Text file (*.txt)|*.txt|"); }
    static QString errorTitle() { return QCoreApplication::translate("DizFile", "Zavok32 error"); }
    static QString ownCopyRefusal() { return QCoreApplication::translate("DizFile", "The file_id.diz can't be from your application directory"); }
    static QString copyFailure(const QString& path, const QString& reason);
    static QString readFailure(const QString& path);
    static QString noDescriptionToTest() { return QCoreApplication::translate("DizFile", "Choose a file_id.diz with Browse or Create first, then test its numbering"); }
    static QString testFailure(const QString& reason);

    // Host path of the application directory's copy of the chosen file.
    static QString appCopyHost();

private:
    RipJob& m_job;
    RipRunState& m_state;
    ViewState& m_view;
    Services& m_services;
    DescriptionEditor& m_editor;
};
