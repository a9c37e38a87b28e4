#pragma once

#include "platform/processend.h"

#include <QString>
#include <functional>

// Names of one ZIP of the set: the number and date parts, the target handed
// to the ZIP component (no ".zip") and the file name the run page shows.
struct ZipNameParts {
    QString numberText;
    QString dateText;
    QString target;
    QString shownName;
};

// The pieces of a run that live in units of their own: the job check, the
// description numbering, the archiver call and the naming. RipRun calls them
// at fixed points of its sequence; the program wires the real ones
// (standardRunSteps), tests may wire doubles. A step that cannot do its work
// throws RunFailure.
struct RunSteps {
    // The whole-job check; the run reads its own checks afterwards.
    std::function<void()> checkJob;
    // Empty when the base name may be used as a file name; otherwise the
    // message that refuses it.
    std::function<QString(const QString& baseName)> baseNameRefusal;
    // Sets the run state's numberingChecked.
    std::function<void()> checkDizNumbering;
    // Works out the archiver's switches and writes the skip and image lists.
    std::function<void()> prepareArchiver;
    // Starts the archiver in the source's folder, waits until it has ended
    // and says how it ended.
    std::function<ProcessEnd()> runArchiver;
    // File name of volume n (from 1) inside the work directory.
    std::function<QString(int volume)> volumeFileName;
    // Names of the ZIP for volume n; leaves them in the run state and puts
    // the ZIP name and the counter (" 3 of 12") on the run page.
    std::function<ZipNameParts(int volume)> startVolume;
    // The numbered description for the current volume, in the application
    // directory as "file_id.diz".
    std::function<void()> writeNumberedDiz;
    // The stamped copy of the information file; sets nfoFileName.
    std::function<void()> prepareNfo;
};
