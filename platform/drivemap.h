#pragma once

#include <QList>
#include <QString>
#include <optional>

// Drive letters on a Linux host, the way Wine provides them: every drive is a
// symbolic link <application directory>/dosdevices/<letter>: to a host folder.
// Jobs and scripts keep DOS paths ("d:\games\extras\*.*") so that scripts
// written on Windows load unchanged; this class turns them into host paths and
// back.
class DriveMap
{
public:
    explicit DriveMap(const QString& appDirHost);
    static DriveMap forApplication();

    // First start: dosdevices with c: -> ../drive_c and z: -> /. Drive c is
    // put back whenever it is missing, since every fallback names it.
    void ensureDefaults() const;

    // Mapped letters, lower case, in order. A broken link is still a letter:
    // a drive without a medium.
    QList<QChar> letters() const;
    // Host folder of a drive; empty when the letter is unmapped or its link is
    // broken.
    std::optional<QString> driveRoot(QChar letter) const;

    // "x:\a\b" -> host path. Components are matched case-insensitively with
    // the real entries (a component with no match is kept as written, so new
    // files can be named); "\" and "/" both separate; ".." stops at the drive
    // root. Empty for a path without a drive letter or on an unusable drive.
    std::optional<QString> toHost(const QString& dosPath) const;
    // Host path -> DOS path, through the drive with the longest matching
    // target. Keeps the host's case.
    std::optional<QString> toDos(const QString& hostPath) const;

    // Points a letter at a host folder, or at another one when it is
    // mapped already. The new link takes the old one's place in one step,
    // so a mapping that cannot be written leaves the drive as it was.
    bool mapDrive(QChar letter, const QString& hostTarget) const;
    bool unmapDrive(QChar letter) const;
    // The folder a letter's link names, as an absolute host path, whether or
    // not it is there; empty for an unmapped letter.
    QString linkTarget(QChar letter) const;
    // Every letter but c, which every fallback names, may be removed.
    static bool isRemovable(QChar letter);

    QString dosdevicesPath() const { return m_dosdevices; }

    // The drive letter a DOS path or drive name starts with ("d:\x", "d:", "d").
    static std::optional<QChar> driveLetterOf(const QString& text);

private:
    QString linkPath(QChar letter) const;

    QString m_dosdevices;
};
