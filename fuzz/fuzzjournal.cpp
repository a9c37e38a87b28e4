// A run's journal as bytes, as a work folder may hold it after a kill, a
// full disk or anything else. Besides not crashing:
// - what is read back is written out and read again unchanged;
// - no first part of a journal that was read is itself read as one (a cut
//   copy is refused whole).
#include "fuzzinput.h"

#include "resume/runjournal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quietQtWarnings();
    const FuzzInput input(data, size);
    const auto journal = RunJournal::fromBytes(input.all());
    if (!journal)
        return 0;
    const QByteArray again = journal->toBytes();
    FUZZ_CHECK(RunJournal::fromBytes(again) == journal, QString::fromUtf8(again));
    for (qsizetype cut : {qsizetype(0), again.size() / 3, again.size() / 2, again.size() - 2, again.size() - 1})
        FUZZ_CHECK(!RunJournal::fromBytes(again.left(cut)), QStringLiteral("cut at %1").arg(cut));
    return 0;
}
