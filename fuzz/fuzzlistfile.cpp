// The list file of the archivers (@file) as bytes, decoded and split into
// lines as the archivers read it, with and without -ep. Besides not
// crashing:
// - every line that is not blank becomes one file, in order;
// - the name a file is stored under can be extracted safely anywhere: it
//   has no drive, no "/", no empty, "." or ".." component, and it is
//   never empty for a file that has a name;
// - with -ep it is the file's own name.
#include "fuzzinput.h"

#include "listedfiles.h"

#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    const QStringList lines = TextFile::splitLines(textcodec::decodeAnsiFile(input.all()));
    qsizetype named = 0;
    for (const QString& line : lines)
        named += line.trimmed().isEmpty() ? 0 : 1;

    // Where a path leads does not matter here, only what it is stored as.
    const auto resolve = [](const QString& path) -> std::optional<QString> {
        QString host = path;
        host.replace(u'\\', u'/');
        return QStringLiteral("/listed/") + host;
    };
    for (const bool namesOnly : {false, true}) {
        QString error;
        const auto items = ListedFiles::fromLines(lines, namesOnly, resolve, &error);
        FUZZ_CHECK(items.has_value(), error);
        FUZZ_CHECK(qsizetype(items->size()) == named, QString::number(items->size()));
        for (const ListedFiles::Item& item : *items) {
            const QString& stored = item.storedName;
            const QString fileName = QFileInfo(item.hostPath).fileName();
            FUZZ_CHECK(!stored.isEmpty() || fileName.isEmpty() || fileName == QLatin1String("..")
                           || fileName == QLatin1String("."),
                       item.hostPath);
            FUZZ_CHECK(!stored.contains(u'/'), stored);
            const QStringList parts = stored.split(u'\\');
            for (const QString& part : parts)
                FUZZ_CHECK(stored.isEmpty()
                               || (!part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("..")),
                           stored);
            const QString& first = parts.first();
            const bool drive = first.size() == 2 && first[1] == u':' && first[0].isLetter() && first[0].unicode() < 0x80;
            FUZZ_CHECK(parts.size() == 1 || !drive, stored);
            if (namesOnly && fileName != QLatin1String("..") && fileName != QLatin1String("."))
                FUZZ_CHECK(stored == fileName, stored + QStringLiteral(" for ") + item.hostPath);
        }
    }
    return 0;
}
