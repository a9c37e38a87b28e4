#pragma once

#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"

#include <QFile>
#include <QMap>
#include <gtest/gtest.h>
#include <stdexcept>

// The real drive service, except that chosen drives report fixed capacity and
// free space and are mounted file systems of their own: a CD of a given size,
// or a disk far larger than the test could fill. Everything else (folder
// sizes, file lengths, existence) is real.
class FixedFiguresDriveService : public HostDriveService
{
public:
    using HostDriveService::HostDriveService;

    struct Figures {
        qint64 total = 0;
        qint64 free = 0;
    };
    QMap<QChar, Figures> figures;

    std::optional<qint64> driveTotalBytes(const QString& drive) const override
    {
        const auto f = fixed(drive);
        return f ? std::optional<qint64>(f->total) : HostDriveService::driveTotalBytes(drive);
    }
    std::optional<qint64> driveFreeBytes(const QString& drive) const override
    {
        const auto f = fixed(drive);
        return f ? std::optional<qint64>(f->free) : HostDriveService::driveFreeBytes(drive);
    }

    std::optional<bool> driveIsMountPoint(const QString& drive) const override
    {
        return fixed(drive) ? std::optional<bool>(true) : HostDriveService::driveIsMountPoint(drive);
    }

private:
    std::optional<Figures> fixed(const QString& drive) const
    {
        const auto letter = DriveMap::driveLetterOf(drive);
        if (!letter || !figures.contains(*letter))
            return std::nullopt;
        return figures.value(*letter);
    }
};

// A job, its run state and window texts on a fresh application directory with
// a drive d: for sources.
class SourceTest : public ::testing::Test
{
protected:
    SourceTest()
        : drives(t.map)
    {
        t.addDrive(QLatin1Char('d'));
        t.services.drives = &drives;
    }

    // A file of any length that takes no room on the disk.
    void sparse(const QString& dosPath, qint64 length)
    {
        t.write(dosPath, {});
        QFile file(t.host(dosPath));
        if (!file.resize(length))
            throw std::runtime_error("cannot resize " + dosPath.toStdString());
    }

    TempHome t;
    FixedFiguresDriveService drives;
    RipJob job;
    RipRunState state;
    ViewState view;
    AppState app;
};
