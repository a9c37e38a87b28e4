// The skip file of the archivers (-x@file) as bytes, decoded and split into
// lines as the archivers read it. Besides not crashing:
// - a line naming a folder ("extras\*.*" or "extras\*") skips that folder,
//   and any other line skips that file, in any letter case;
// - however an entry is written (either separator, a leading ".\" or "\",
//   blanks around it), it skips the stored name it means, and only as the
//   kind of entry it is (a folder entry skips no file, a file entry no
//   folder).
#include "fuzzinput.h"

#include "skiplist.h"

#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QRegularExpression>

namespace {

QString swappedAsciiCase(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return out;
}

// The name an archive stores for what a line means: its components, joined
// by "\".
QString storedNameOf(const QString& line)
{
    QStringList parts = line.trimmed().split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    return parts.join(u'\\');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    const QStringList lines = TextFile::splitLines(textcodec::decodeAnsiFile(input.all()));
    const SkipList skip = SkipList::fromLines(lines);

    for (const QString& raw : lines) {
        QString line = raw.trimmed();
        line.replace(u'/', u'\\');
        if (line.isEmpty())
            continue;
        QString folder;
        if (line.endsWith(QLatin1String("\\*.*")))
            folder = line.chopped(4);
        else if (line.endsWith(QLatin1String("\\*")))
            folder = line.chopped(2);
        else {
            for (const QString& asked : {line, swappedAsciiCase(line)})
                FUZZ_CHECK(skip.skipsFile(asked), line + QStringLiteral(" asked as ") + asked);
            continue;
        }
        if (storedNameOf(folder).isEmpty())
            continue;
        for (const QString& asked : {folder, swappedAsciiCase(folder)})
            FUZZ_CHECK(skip.skipsDirectory(asked), folder + QStringLiteral(" asked as ") + asked);
    }

    for (const QString& raw : lines) {
        const QString name = storedNameOf(raw);
        // A file named "*" or "*.*" cannot be written as an entry: it reads as
        // the folder's contents.
        const QString last = name.section(u'\\', -1);
        if (name.isEmpty() || name.trimmed() != name || last == QLatin1String("*") || last == QLatin1String("*.*"))
            continue;
        QString slashed = name;
        slashed.replace(u'\\', u'/');
        const SkipList both = SkipList::fromLines(
            {QStringLiteral(" .\\") + slashed + QStringLiteral("\\*.* "), QStringLiteral("\t\\") + name});
        FUZZ_CHECK(both.skipsDirectory(name) && both.skipsFile(name), name);
        FUZZ_CHECK(both.skipsDirectory(swappedAsciiCase(name)) && both.skipsFile(swappedAsciiCase(name)), name);
        FUZZ_CHECK(!SkipList::fromLines({name + QStringLiteral("\\*")}).skipsFile(name), name);
        FUZZ_CHECK(!SkipList::fromLines({name}).skipsDirectory(name), name);
    }
    return 0;
}
