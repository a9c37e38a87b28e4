// A set's checksum file as bytes, read as an .sfv and as a .sha256 list, as
// Check a set reads what it is given. Besides not crashing: what is read
// and written again reads back the same, name for name and sum for sum, so
// a set's own files always check against what they list.
#include "fuzzinput.h"

#include "setcheck/sfvfile.h"
#include "setcheck/sha256file.h"

#include <QDateTime>

namespace {

bool same(const QList<ChecksumItem>& a, const QList<ChecksumItem>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].crc != b[i].crc || a[i].sha256 != b[i].sha256)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    const QDateTime made(QDate(1999, 12, 7), QTime(13, 45, 9));

    const SfvFile::Parsed sfv = SfvFile::read(input.all());
    for (const ChecksumItem& item : sfv.items)
        FUZZ_CHECK(item.crc && !item.name.isEmpty() && item.name.trimmed() == item.name, item.name);
    const SfvFile::Parsed sfvAgain = SfvFile::read(SfvFile::write(sfv.items, QStringLiteral("Zavok32"), made));
    FUZZ_CHECK(same(sfv.items, sfvAgain.items) && sfvAgain.problems.isEmpty(), QString::fromUtf8(input.all()));

    const Sha256File::Parsed sha = Sha256File::read(input.all());
    for (const ChecksumItem& item : sha.items)
        FUZZ_CHECK(item.sha256.size() == 32 && !item.name.isEmpty(), item.name);
    const Sha256File::Parsed shaAgain = Sha256File::read(Sha256File::write(sha.items));
    FUZZ_CHECK(same(sha.items, shaAgain.items) && shaAgain.problems.isEmpty(), QString::fromUtf8(input.all()));
    return 0;
}
