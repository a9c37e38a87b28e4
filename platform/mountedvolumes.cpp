#include "platform/mountedvolumes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

QByteArray readSysFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed();
}

// The kernel marks a whole disk removable; a partition inherits its disk's mark.
bool isRemovableDevice(const QString& device)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return false;
    const QString block = QStringLiteral("/sys/class/block/") + name;
    if (readSysFile(block + QStringLiteral("/removable")) == "1")
        return true;
    return QFileInfo::exists(block + QStringLiteral("/partition"))
        && readSysFile(block + QStringLiteral("/../removable")) == "1";
}

MountedVolume describe(const QStorageInfo& info)
{
    MountedVolume volume;
    volume.root = info.rootPath();
    volume.label = info.name();
    volume.device = QString::fromLocal8Bit(info.device());
    volume.fileSystem = QString::fromLatin1(info.fileSystemType());
    const QString deviceName = QFileInfo(volume.device).fileName();
    volume.optical = volume.fileSystem == QLatin1String("iso9660") || volume.fileSystem == QLatin1String("udf")
        || deviceName.startsWith(QLatin1String("sr"));
    volume.removable = volume.optical || isRemovableDevice(volume.device);
    volume.readOnly = info.isReadOnly();
    volume.totalBytes = info.bytesTotal();
    volume.freeBytes = info.isReadOnly() ? 0 : info.bytesAvailable();
    return volume;
}

bool holdsFiles(const QStorageInfo& info)
{
    if (!info.isValid() || !info.isReady())
        return false;
    if (info.isRoot())
        return true;
    const QByteArray device = info.device();
    const QByteArray type = info.fileSystemType();
    // Loop-mounted squashfs images are installed software, not media.
    return device.startsWith("/dev/") && !device.startsWith("/dev/loop") && type != "squashfs";
}

} // namespace

QString MountedVolume::displayName() const
{
    const QString kind = optical ? QCoreApplication::translate("MountedVolumes", "CD/DVD") : removable ? QCoreApplication::translate("MountedVolumes", "removable") : fileSystem;
    if ((removable || optical) && !label.isEmpty())
        return label + QStringLiteral(" (") + kind + QStringLiteral(", ") + root + QLatin1Char(')');
    return root + QStringLiteral(" (") + (label.isEmpty() ? kind : label + QStringLiteral(", ") + kind)
        + QLatin1Char(')');
}

QList<MountedVolume> MountedVolumes::list()
{
    QList<MountedVolume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        if (holdsFiles(info))
            volumes << describe(info);
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const MountedVolume& a, const MountedVolume& b) { return a.root < b.root; });
    return volumes;
}

std::optional<MountedVolume> MountedVolumes::mountedAt(const QString& hostFolder)
{
    const QString folder = QFileInfo(hostFolder).canonicalFilePath();
    if (folder.isEmpty())
        return std::nullopt;
    const QStorageInfo info(folder);
    if (!info.isValid() || QFileInfo(info.rootPath()).canonicalFilePath() != folder)
        return std::nullopt;
    return describe(info);
}

QString MountedVolumes::labelOf(const QString& hostFolder)
{
    if (hostFolder.isEmpty())
        return {};
    if (const auto volume = mountedAt(hostFolder); volume && !volume->label.isEmpty())
        return volume->label;
    const QString clean = QDir::cleanPath(hostFolder);
    if (clean == QLatin1String("/"))
        return clean;
    return QFileInfo(clean).fileName();
}
