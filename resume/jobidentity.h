#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class DriveService;
class RipJob;

// What makes a run's set what it is, as its journal keeps it: every setting
// of the job that decides what goes into the ZIPs and how they are named,
// the bytes of the description, information and comment files and of the
// extra, and the measurement of the source. A run continues an interrupted
// one only when all of it is the same.
class JobIdentity
{
public:
    using Settings = QList<QPair<QString, QString>>;

    // Read as the run starts, after its own normalisations (lower-case base
    // name, "Normal" for ACE). `datedNames`: the "$" start, which puts the
    // date into every ZIP name. `leaveOut`: host paths the source measurement
    // skips (the ZIP folder, the application directory).
    static Settings settings(const RipJob& job, bool datedNames, const DriveService& drives, const QString& appDirHost);
    static QString sourceMeasure(const RipJob& job, const DriveService& drives, const QStringList& leaveOut);

    // Why a journal's job is not this one, in words for the user ("the
    // archiver has changed since (RAR then, ACE now)"); empty when they are
    // the same.
    static QString difference(const Settings& then, const Settings& now);
    static QString measureDifference(const QString& then, const QString& now);

    // The set a job writes: its ZIP folder and base name, as the journal's
    // settings hold them.
    static bool sameSet(const Settings& a, const Settings& b);
};
