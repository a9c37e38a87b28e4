// The benchmark's driver for recovery files (bench/par2speed.sh): creates a
// recovery set over the files of a folder, or verifies or repairs one, and
// prints what it did on one line.
//
//   zavok32_par2bench create FOLDER BASE N [portable|ssse3|avx2] [threads]
//   zavok32_par2bench verify|repair FILE.par2
#include "par2/recoverycreator.h"
#include "par2/recoverysetrepairer.h"
#include "par2/recoverysetverifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QElapsedTimer timer;
    timer.start();
    if (args.size() >= 4 && args[0] == QLatin1String("create")) {
        const QDir dir(args[1]);
        const QStringList names = dir.entryList({QStringLiteral("*.zip")}, QDir::Files, QDir::Name);
        RecoveryCreator::Options options;
        options.rebuildableFiles = args[3].toInt();
        const QString isa = args.value(4);
        if (isa == QLatin1String("portable"))
            options.engine.kernel = RegionKernel::of(RegionKernel::Isa::Portable);
        else if (isa == QLatin1String("ssse3"))
            options.engine.kernel = RegionKernel::of(RegionKernel::Isa::Ssse3);
        options.engine.threads = args.value(5).toInt();
        qint64 input = 0;
        for (const QString& name : names)
            input += QFileInfo(dir.filePath(name)).size();
        const auto result = RecoveryCreator::create(dir.path(), names, args[2], options);
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(result.error));
            return 1;
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("files=%lld input=%lld slice=%llu recovery_slices=%u recovery_files=%lld recovery_bytes=%lld "
                    "seconds=%.3f kernel=%s\n",
                    qint64(names.size()), input, qulonglong(result.plan.sliceSize), result.plan.recoverySlices,
                    qint64(result.files.size()), result.bytes, seconds,
                    (options.engine.kernel ? options.engine.kernel : &RegionKernel::best())->name);
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("verify")) {
        const auto check = RecoverySetVerifier::verify(args[1], {});
        std::printf("%s complete=%d missing=%lld damaged=%lld lost_slices=%d recovery_slices=%zu\n",
                    check.ok ? "read" : qPrintable(check.error), check.complete(),
                    qint64(check.names(RecoverySetVerifier::FileCheck::State::Missing).size()),
                    qint64(check.names(RecoverySetVerifier::FileCheck::State::Damaged).size()), check.lostSlices,
                    check.set.blocks.size());
        return check.complete() ? 0 : 1;
    }
    if (args.size() == 2 && args[0] == QLatin1String("repair")) {
        const auto result = RecoverySetRepairer::repair(args[1], {});
        std::printf("%s repaired=%s\n", result.ok ? "whole" : qPrintable(result.error),
                    qPrintable(result.repaired.join(QLatin1Char(','))));
        return result.ok ? 0 : 1;
    }
    std::fprintf(stderr, "usage: zavok32_par2bench create FOLDER BASE N [portable|ssse3|avx2] [threads]\n"
                         "       zavok32_par2bench verify|repair FILE.par2\n");
    return 2;
}
