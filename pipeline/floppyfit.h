#pragma once

#include <QList>
#include <QString>
#include <optional>

class DriveService;
class RipJob;

// Whether the ZIPs of a set at the floppy size step go onto formatted
// 1.44 MB floppies: before the run, what an extra in every ZIP does to the
// worst case; after it, the largest ZIP it made.
namespace floppyfit {

// The bytes a formatted 1.44 MB floppy holds.
constexpr qint64 kFloppyBytes = 1457664;
// The size step whose volumes are made for floppies (1,440,000 bytes).
constexpr int kFloppyStep = 3;
constexpr qint64 kFloppyVolumeBytes = 1440000;

// The largest a ZIP of a full volume can come to when nothing in it
// compresses: the volume, deflate's stored-block overhead, the description,
// the information file, the extra (`extraBytes` over `extraFiles` files),
// the comment, and the ZIP's own headers.
qint64 worstCaseZipBytes(qint64 volumeBytes, qint64 descriptionBytes, qint64 infoBytes, qint64 extraBytes,
                         int extraFiles, qint64 commentBytes);

// The warning for a job at the floppy step whose extra goes into every ZIP
// and could push a ZIP of a full volume past a floppy; none when the job is
// at another step, the extra fits, or the ZIPs would not fit even without it.
std::optional<QString> extraWarning(const RipJob& job, const DriveService& drives, qint64 commentBytes);

struct ZipSize {
    QString name;
    qint64 bytes = 0;
};
// "every ZIP fits a 1.44 MB floppy (the largest, game01.zip, has 1,441,302
// bytes)", or which do not; empty for no ZIPs.
QString fitText(const QList<ZipSize>& zips);

} // namespace floppyfit
