#pragma once

#include <QCoreApplication>
#include <QString>

class FolderSelection;
class OutputMode;
class RipIntoQuestion;
class RipJob;
class SourceMeasurement;
class WorkDrive;
struct Services;

// The Source page's Browse: chooses what the job packs, a drive or a
// directory through the folder picker, or with "&Iso/Bin" ticked a CD image
// (an ".iso" file, or a ".bin" file and its ".cue" sheet) through the file
// dialog, and asks an image whether it goes into ZIPs. Every choice is
// measured at once and compared with the work drive's free space.
//
// A cancelled folder Browse keeps the previous source; an image Browse
// drops the source as its dialog opens, so any failure or Cancel from there
// on leaves no source.
class SourceBrowse
{
public:
    SourceBrowse(RipJob& job, Services& services, FolderSelection& folderSelection, SourceMeasurement& measurement,
                 WorkDrive& workDrive, OutputMode& outputMode, RipIntoQuestion& question);

    // The Browse button.
    void browseSource();
    // The Iso/bin option dialog, with the main window disabled while it
    // shows; the new value of archivesOnly.
    bool askRipInto();

    static QString folderTitle() { return QCoreApplication::translate("SourceBrowse", "Source directory"); }
    static QString imageTitle() { return QCoreApplication::translate("SourceBrowse", "CD image file"); }
    static QString imageFilter() { return QCoreApplication::translate("SourceBrowse", "Iso file (*.iso)|*.iso|Bin file (*.bin)|*.bin"); }
    static QString cueFilter() { return QCoreApplication::translate("SourceBrowse", "Cue file (*.cue)|*.cue"); }

private:
    // Each false when Browse ends there.
    bool browseImage();
    bool browseFolder();

    RipJob& m_job;
    Services& m_services;
    FolderSelection& m_folderSelection;
    SourceMeasurement& m_measurement;
    WorkDrive& m_workDrive;
    OutputMode& m_outputMode;
    RipIntoQuestion& m_question;
};
