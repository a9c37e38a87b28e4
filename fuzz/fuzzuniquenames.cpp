// The names of one folder as the file system gives them (one name per line,
// any bytes), claimed in order as the archivers' and the ZIPs' folder walks
// claim them. Besides not crashing:
// - no two claimed names are one name to a reader that ignores case;
// - the first entry of every name keeps it;
// - a new name is none of the folder's own names.
#include "fuzzinput.h"

#include "platform/nativedirectory.h"
#include "platform/uniquenames.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    QList<QByteArray> natives = input.all().split('\n');
    if (natives.size() > 64)
        natives.resize(64);
    QStringList names;
    QList<bool> utf8;
    for (const QByteArray& native : natives) {
        bool valid = true;
        names << NativeDirectory::decodeName(native, &valid);
        utf8 << valid;
    }
    QSet<QString> own;
    for (const QString& name : names)
        own.insert(name.toCaseFolded());

    UniqueNames unique(names);
    QSet<QString> claimed;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const UniqueNames::Claim claim = unique.claim(names[i], natives[i], utf8[i], names[i]);
        const QString key = claim.name.toCaseFolded();
        FUZZ_CHECK(!claimed.contains(key), claim.name);
        FUZZ_CHECK(claim.renamed == (claim.name != names[i]), names[i] + QStringLiteral(" -> ") + claim.name);
        if (claim.renamed)
            FUZZ_CHECK(!own.contains(key), claim.name);
        claimed.insert(key);
    }
    return 0;
}
