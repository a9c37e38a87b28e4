#include "settester.h"

#include "acesetreader.h"
#include "rarsetreader.h"
#include "volumefiles.h"

SetTestResult SetTester::test(ArchiverKind kind, VolumeOpener& volumes, const Observer& observer)
{
    if (kind == ArchiverKind::Rar)
        return RarSetReader(volumes, observer).run();
    return AceSetReader(volumes, observer).run();
}

SetTestResult SetTester::testFiles(ArchiverKind kind, const QString& firstVolume, const Observer& observer)
{
    VolumeFiles volumes(kind, firstVolume);
    return test(kind, volumes, observer);
}
