#pragma once

#include "job/ripjob.h"
#include "platform/processend.h"

#include <QString>
#include <QStringList>

struct RipRunState;
struct Services;

// The archiver phase of a run: the switches, the working files the archiver
// reads ("c:\skip.txt", the application directory's "rarstop.txt"), the one
// command line, and the child process that cuts the source into volumes in
// the work directory.
//
// A run calls, in this order:
//   prepareArchiverStep   before the work directory is made;
//   (the run makes the work directory and sets run.archivePath)
//   runArchiverStep       with the main window minimised; returns when the
//                         archiver has ended.
// Both return false, with a reason in *error, when a working file cannot be
// written or the source folder cannot be reached: the run treats that as an
// unexpected failure ("Ripping error, check your *.zvk file").
//
// appDirHost is the application directory as a host path (AppDirectory::path()
// in the program, the test's own folder in tests); drive letters are resolved
// through its drive map.
namespace archiverstep {

// "-v1440000b -m3" (RAR, size step 3), "-v1000000b -m3" (step 2),
// "-v0000b -m3" (step 0); "-v1440 -m3" (ACE, step 3) and " -m3" for ACE at
// step 0, which makes one archive and takes no -v. Step 3 is the floppy,
// 1,440,000 bytes rather than 1,500,000.
QString volumeSwitch(Archiver archiver, int archiveSizeStep, int compression);

// The archiver's current directory as a DOS path: for an image source the
// folder of the image up to and including its last "\" (the archiver stores
// the image without a path), otherwise the source itself (it packs everything
// under its current directory).
QString currentDirectory(const RipJob& job);

// The whole command line, program name first, blanks exactly as the archivers
// have always been given them (an empty skip switch leaves two blanks).
// leftOut: folders inside the source (relative to it) that the archiver
// leaves out, each as a "-x<folder>\*.*" after the skip switch.
QString commandLine(const RipJob& job, const RipRunState& run, const QStringList& leftOut = {});

// For ACE sets the job's archive compression to 3 ("Normal"), the only level
// the run gives ACE. Sets run.volumeSwitch; writes "c:\skip.txt" (the skip
// text and one more line end) when the skip text is not empty and sets
// run.skipSwitch to "-x@c:\skip.txt", else empties it; for image sources
// writes "rarstop.txt" (in archives-only runs the description and info files
// first, then the cue sheet, then the image) and sets run.listFileArgument to
// its quoted "@" argument.
bool prepareArchiverStep(RipJob& job, RipRunState& run, const QString& appDirHost, QString* error = nullptr);

// Starts the archiver through services.processes in the folder that
// currentDirectory() names, leaving out the ZIP and work folders where they
// lie inside the source (with a warning on standard error), and waits for it to end; *end says how it ended
// (not started, its exit status, or the signal that ended it).
bool runArchiverStep(const RipJob& job, const RipRunState& run, Services& services, const QString& appDirHost,
                     QString* error = nullptr, ProcessEnd* end = nullptr);

} // namespace archiverstep
