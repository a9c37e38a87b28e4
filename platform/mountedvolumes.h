#pragma once

#include <QList>
#include <QString>
#include <optional>

// A file system mounted on the host, as a drive letter can be pointed at it:
// a disk, a USB stick, a CD or DVD.
struct MountedVolume {
    QString root;       // mount point, "/media/cdrom"
    QString label;      // the volume's own name; may be empty
    QString device;     // "/dev/sr0"
    QString fileSystem; // "iso9660"
    bool removable = false;
    bool optical = false;
    bool readOnly = false;
    qint64 totalBytes = 0;
    qint64 freeBytes = 0;

    // How a list of volumes names it: removable media and optical drives by
    // their label, as the user knows them ("GAME_CD (CD/DVD, /media/cdrom)"),
    // fixed disks by their mount point ("/home (ext4)").
    QString displayName() const;
};

// The mounted file systems that can hold files for a job: those on a block
// device, plus the root. Kernel and memory file systems are left out.
class MountedVolumes
{
public:
    static QList<MountedVolume> list();
    // The volume mounted exactly at a host folder; empty when the folder is
    // not a mount point.
    static std::optional<MountedVolume> mountedAt(const QString& hostFolder);
    // The volume label of the file system a folder is the root of, else the
    // folder's own name ("/" for the root); empty for an empty path.
    static QString labelOf(const QString& hostFolder);
};
