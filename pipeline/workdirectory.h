#pragma once

#include <QChar>
#include <QString>

class DriveService;

// The run's work directory X:\ZavokNNN: a fresh one for each run, the
// volumes the archiver left in it (the journal's files are not volumes), and
// its removal once it holds nothing but the journal. Each throws RunFailure
// when it cannot do its work.
namespace workdirectory {

// "x:\Zavok001": three digits at least.
QString name(QChar drive, int number);
// Makes the first name that is free on the drive; its DOS path.
QString make(QChar drive, const DriveService& drives);
int countVolumes(const QString& hostPath);
// The bytes of those volumes.
qint64 volumeBytes(const QString& hostPath);
// Removes it (and its journal) when nothing else is left in it; a folder
// that still holds volumes is a failure of the run. Nothing when it is gone.
void remove(const QString& dosPath, const DriveService& drives);

} // namespace workdirectory
