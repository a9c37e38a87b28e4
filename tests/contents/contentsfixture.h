#pragma once

#include "../source/sourcefixture.h"
#include "source/folderselection.h"

// A job and its page state on a fresh application directory with a drive e:,
// whose free space a test may fix, and the live check of the folder pickers.
class ContentsTest : public ::testing::Test
{
protected:
    ContentsTest()
        : drives(t.map)
        , folderSelection(drives)
    {
        t.addDrive(QLatin1Char('e'));
        t.services.drives = &drives;
    }

    QString homeFile(const QString& name) const { return t.home() + QLatin1Char('/') + name; }

    TempHome t;
    FixedFiguresDriveService drives;
    FolderSelection folderSelection;
    RipJob job;
    ViewState view;
};
