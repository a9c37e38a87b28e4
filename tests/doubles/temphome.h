#pragma once

#include "fakes.h"
#include "platform/drivemap.h"
#include "platform/hostdriveservice.h"
#include "platform/services.h"

#include <QByteArray>
#include <QTemporaryDir>

// A fresh application directory (ZAVOK32_HOME) with the default drives and
// any number of extra drive letters on temporary folders, plus the doubles of
// every dialog service, wired into one Services.
class TempHome
{
public:
    TempHome();
    ~TempHome();

    QString home() const { return m_home; }
    // Maps a letter to a fresh folder and returns the folder's host path.
    QString addDrive(QChar letter);
    // Drive e: as the example job expects it: the bundled example tree, an
    // empty zips folder, and `dataBytes` of incompressible bytes (from
    // `seed`) in demo\\data\\levels.dat. Returns the drive's host folder.
    QString addExampleDrive(qsizetype dataBytes, quint32 seed);
    QString host(const QString& dosPath) const;
    void write(const QString& dosPath, const QByteArray& bytes) const;
    QByteArray read(const QString& dosPath) const;
    // The application directory as a DOS path.
    QString homeDos() const;

    QTemporaryDir dir;
    DriveMap map;
    HostDriveService drives;
    FakeFileDialog fileDialog;
    FakeFolderPicker folderPicker;
    FakeMessageBox messages;
    FakeShell shell;
    FakeTextEditor textEditor;
    FixedClock clock;
    Services services;

private:
    QString m_home;
    QByteArray m_previousHome;
};
