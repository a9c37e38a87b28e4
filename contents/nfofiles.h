#pragma once

#include "platform/folderpicker.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class RipJob;
class ViewState;
enum class ExtraChoice;
struct Services;

// The Nfo page's commands: the information file put into the ZIPs (chosen,
// or written from scratch in the desktop's text editor) and the extra file or
// folder that goes in beside it. Every command first takes the keyboard focus
// off the page's controls.
//
// The extra's "B&rowse" serves the option marked, so it is offered once one
// is: marking "&File" or "&Directory", by a click or by a script, switches it
// on. Lives as long as the job it watches.
class NfoFiles : public QObject
{
    Q_OBJECT
public:
    // folderCheck: the live check every folder picker of the window runs.
    NfoFiles(RipJob& job, ViewState& view, Services& services, QString appDirHost,
             FolderPicker::SelectionHandler folderCheck, QObject* parent = nullptr);

    // "&Browse": an .nfo or .txt file, the dialog opening beside the chosen
    // description. Cancel leaves no information file.
    void browseNfo();
    // "&Create": temp\About.nfo in the application directory, made empty
    // when missing and kept when present, opened in the editor and chosen.
    void createNfo();
    // "&Edit": the chosen information file in the editor; nothing without one.
    void editNfo();
    // "&File" / "&Directory" clicked: marking an option empties the extra;
    // a click on the option already marked changes nothing.
    void markExtra(ExtraChoice choice);
    // The extra's "B&rowse": a file dialog for "&File" (Cancel empties the
    // extra), the folder picker for "&Directory" (Cancel keeps it).
    void browseExtra();

    static QString createHintText() { return QCoreApplication::translate("NfoFiles", "Choose 'Save' when finished in notepad, NOT 'save as'"); }
    static QString cannotCreateText(const QString& path);

private:
    void focusSink();
    void browseExtraFile();
    void browseExtraDirectory();

    RipJob& m_job;
    ViewState& m_view;
    Services& m_services;
    QString m_appDirHost;
    FolderPicker::SelectionHandler m_folderCheck;
};
