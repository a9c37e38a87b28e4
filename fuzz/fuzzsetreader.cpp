// The volumes of a RAR or ACE set as untrusted bytes, tested as wrar t and
// wace t test them. The first line names the format (rar or ace; anything
// else: both), the second the sizes of the volumes but the last, which takes
// the rest. Besides not crashing or hanging:
// - a sound set has read every volume it names and no file is damaged;
// - every fault names a volume that was read, or the one after the last
//   read (a missing one);
// - a file found damaged has its data fault, and a data fault its file.
#include "fuzzinput.h"

#include "settester.h"
#include "volumesinmemory.h"

namespace {

QString describe(const SetTestResult& r)
{
    return r.sound() ? QStringLiteral("sound") : r.fault().text();
}

void check(ArchiverKind kind, const QList<QByteArray>& volumes)
{
    QList<QString> names;
    for (int i = 0; i < volumes.size(); ++i)
        names << QStringLiteral("v%1").arg(i);
    VolumesInMemory opener(volumes, names);
    uint64_t reported = 0;
    SetTester::Observer observer;
    observer.progress = [&](uint64_t bytes) {
        FUZZ_CHECK(bytes > reported, QStringLiteral("progress went back"));
        reported = bytes;
        return true;
    };
    const SetTestResult r = SetTester::test(kind, opener, observer);

    FUZZ_CHECK(r.volumes.size() <= volumes.size(), describe(r));
    qsizetype damaged = 0;
    for (const TestedEntry& e : r.entries) {
        damaged += e.damaged ? 1 : 0;
        FUZZ_CHECK(e.firstVolume <= e.lastVolume && e.lastVolume < r.volumes.size(), e.name);
        FUZZ_CHECK(e.tested || !e.whyUntested.isEmpty(), e.name);
    }
    qsizetype dataFaults = 0;
    for (const SetFault& f : r.faults) {
        dataFaults += f.kind == SetFault::Kind::DataCrc ? 1 : 0;
        FUZZ_CHECK(f.volume >= 0 && f.volume <= r.volumes.size(), f.text());
        FUZZ_CHECK(f.kind != SetFault::Kind::Stopped, f.text());
    }
    FUZZ_CHECK(damaged == dataFaults, describe(r));
    FUZZ_CHECK(reported <= r.bytesRead, describe(r));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quietQtWarnings();
    FuzzInput input(data, size);
    const QByteArray format = input.line().trimmed();
    QList<qsizetype> sizes;
    for (const QByteArray& n : input.line().split(' ')) {
        bool ok = false;
        const qsizetype v = n.trimmed().toLongLong(&ok);
        if (ok && v >= 0 && sizes.size() < 1000)
            sizes << v;
    }
    const QByteArray rest = input.rest();
    QList<QByteArray> volumes;
    qsizetype at = 0;
    for (qsizetype s : sizes) {
        volumes << rest.mid(at, s);
        at = std::min(rest.size(), at + s);
    }
    volumes << rest.mid(at);

    if (format != "ace")
        check(ArchiverKind::Rar, volumes);
    if (format != "rar")
        check(ArchiverKind::Ace, volumes);
    return 0;
}
