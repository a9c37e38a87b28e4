// DOS paths, as scripts and dialogs bring them, resolved through the drive
// map. The input is the path (UTF-8). Besides not crashing:
// - a path resolves only on a mapped drive, and never to a host path outside
//   that drive's target folder, whatever ".." or separators it holds;
// - the host path is clean (no ".", ".." or empty components), matches the
//   real entries' case, and turns back into a DOS path on the same drive
//   that resolves to it again.
#include "fuzzinput.h"

#include "doubles/temphome.h"
#include "platform/drivemap.h"

#include <QDir>
#include <QFile>

namespace {

TempHome& home()
{
    static TempHome* t = [] {
        quietQtWarnings();
        auto* made = new TempHome;
        const QString d = made->addDrive(QLatin1Char('d'));
        made->map.unmapDrive(QLatin1Char('z'));
        // Names that differ from the way scripts write them (paths in
        // scripts are lower case), one only in case, and a name with a blank.
        QDir(d).mkpath(QStringLiteral("Games/EXTRAS/Sub Dir"));
        QDir(d).mkpath(QStringLiteral("games2"));
        QFile(d + QStringLiteral("/Games/ReadMe.TXT")).open(QIODevice::WriteOnly);
        QFile(d + QStringLiteral("/Games/readme.txt")).open(QIODevice::WriteOnly);
        QFile(d + QStringLiteral("/file_id.diz")).open(QIODevice::WriteOnly);
        return made;
    }();
    return *t;
}

bool inside(const QString& path, const QString& root)
{
    return path == root || path.startsWith(root == QLatin1String("/") ? root : root + QLatin1Char('/'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TempHome& t = home();
    const FuzzInput input(data, size);
    const QString dos = QString::fromUtf8(input.all());

    const auto host = t.map.toHost(dos);
    if (!host)
        return 0;
    const auto letter = DriveMap::driveLetterOf(dos);
    FUZZ_CHECK(letter.has_value(), dos);
    const auto root = t.map.driveRoot(*letter);
    FUZZ_CHECK(root.has_value(), dos);
    FUZZ_CHECK(inside(*host, *root), dos + QStringLiteral(" -> ") + *host);
    FUZZ_CHECK(inside(QDir::cleanPath(*host), *root), dos + QStringLiteral(" -> ") + *host);
    const QStringList rest = host->mid(root->size()).split(QLatin1Char('/'));
    for (qsizetype i = 1; i < rest.size(); ++i)
        FUZZ_CHECK(!rest[i].isEmpty() && rest[i] != QLatin1String(".") && rest[i] != QLatin1String(".."),
                   dos + QStringLiteral(" -> ") + *host);

    const auto back = t.map.toDos(*host);
    FUZZ_CHECK(back.has_value(), *host);
    FUZZ_CHECK(DriveMap::driveLetterOf(*back) == letter, *host + QStringLiteral(" -> ") + *back);
    FUZZ_CHECK(t.map.toHost(*back) == host, *back + QStringLiteral(" -> ") + t.map.toHost(*back).value_or("none"));
    return 0;
}
