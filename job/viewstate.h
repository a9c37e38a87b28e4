#pragma once

#include "platform/shell.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>

// The texts and states of the window that logic writes and the widgets show.
// Logic changes the members and calls notify(); the window redraws from them.
struct WindowView {
    QString caption = QStringLiteral("Zavok32");
    bool listBarEnabled = true;
    bool busyPointer = false;
    // The list bar's "Skip" item and the Page menu's "Skip" entry: both leave
    // while a CD image is the source.
    bool skipItemShown = true;
    bool skipMenuEnabled = true;
    // A word at start-up that the user may dismiss (work folders that
    // interrupted runs left); empty: none.
    QString notice;
};

// Each page's notice is the line that says why a command sent the user there
// instead of doing its work ("Choose a source first"); empty: none.

struct SourcePageView {
    QString notice;
    QString sizeLabel = QCoreApplication::translate("ViewState", "- Source size -");
    QString freeSpaceLabel;
    bool browseEnabled = true;
    // The "Drive for Rars/Aces" list: its items ("c: drive_c", "d: GAME_CD", ...) and the
    // index of the current one (-1: none).
    QStringList driveItems;
    int currentDrive = -1;
};

// The enable states and colours below are sticky, as the pages have always
// kept them: each command sets what it names and leaves the rest, so a flag
// may stay as the last command that touched it left it. Who writes what:
// the output mode of an image source and the "&Iso/Bin" switch (source/),
// and each page's own commands (contents/).

// The Skip page: off for CD images and archives-only jobs.
struct SkipPageView {
    QString notice;
    bool bodyEnabled = true; // the list, the "&Sub-dir" / "&File" options, Browse and "&Clear"
};

struct DizPageView {
    QString notice;
    bool filesEnabled = true;           // the page body, "&Browse", "&Create", "&Edit"
    bool editEnabled = false;           // "&Edit": only with a description chosen, which it opens
    bool numberingChoiceEnabled = true; // "&None" and "S&ubsitute at column"
    bool numberBoxesEnabled = false;    // column and line boxes: window colour when on, button face when off
    bool testEnabled = false;           // "&Test"
    bool labelsEnabled = true;          // "Auto numbering", "Line -"
    bool separatorShown = true;
};

struct NfoPageView {
    QString notice;
    bool filesEnabled = true;        // the page body, "&Browse", "&Create", "&Edit"
    bool editEnabled = false;        // "&Edit": only with an information file chosen, which it opens
    bool extraChoicesEnabled = true; // "&File" and "&Directory"
    bool extraBrowseEnabled = false; // the extra's "B&rowse": on once an option is marked
    bool firstZipOnlyEnabled = true; // "&1st zip only"
    bool extraPanelGreyed = false;   // the extra path panel in the button-face colour
    bool extraLabelEnabled = true;   // "Extra to add  (optional)"
};

struct ZipPageView {
    QString notice;
    // Beside the base name: how many characters the archive size leaves it.
    QString nameHint;
    QString sizeCaption = QStringLiteral("1.44 M");
    QString estimateCaption;
    QString freeSpaceCaption = QCoreApplication::translate("ViewState", "Free space: ");
    bool zipCompressionEnabled = true;
    bool directoryBrowseEnabled = true;
    bool directoryPanelGreyed = false; // the ZIP directory panel in the button-face colour
    bool zipLabelsEnabled = true;      // "Zip storage", "Free space: ", "Zip comp."
};

struct RunPageView {
    QString status;
    QString zipName;
    QString counter;
    int progress = 0;
    // What a run that stopped left behind and how to go on; empty otherwise.
    QString left;
    QString abortToolTip = QCoreApplication::translate("ViewState", "Stop the run; the ZIPs made and the volumes left stay, and Zavok! continues it");
    QString exitToolTip = QCoreApplication::translate("ViewState", "Stop the run at once and close Zavok32; the ZIPs made and the volumes left stay");
};

// The whole run as one figure, for the terminal and the window alike: the
// archiver reading the source and the ZIPs taking in its volumes, over the
// bytes of both. pipeline/RunProgress writes it.
struct WholeRunView {
    bool running = false;     // from the archiver's start to the end of the run
    bool finished = false;    // the run made everything it was to make
    int percent = 0;          // 0..100 of the whole run
    qint64 doneBytes = 0;
    qint64 totalBytes = 0;    // the source, plus its volumes once they are known
    qint64 elapsedMs = 0;
    qint64 remainingMs = -1;  // -1 until there is a rate to go by
    int made = 0;             // ZIPs made (archives only: volumes)
    qint64 madeBytes = 0;     // their bytes
    bool archivesOnly = false;
    // What the proof of the set found, as the report's last line says it.
    QString verdict;
    // What the recovery files can rebuild, as the report's line says it.
    QString recovery;
};

class ViewState : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    WindowView window;
    SourcePageView source;
    SkipPageView skip;
    DizPageView diz;
    NfoPageView nfo;
    ZipPageView zip;
    RunPageView run;
    WholeRunView wholeRun;

    // The notice of a page; null for the pages that have none (run, about).
    QString* notice(PageId page)
    {
        switch (page) {
        case PageId::Source: return &source.notice;
        case PageId::Skip: return &skip.notice;
        case PageId::Diz: return &diz.notice;
        case PageId::Nfo: return &nfo.notice;
        case PageId::Zip: return &zip.notice;
        case PageId::Run:
        case PageId::About: break;
        }
        return nullptr;
    }

    void notify() { emit changed(); }

signals:
    void changed();
};
