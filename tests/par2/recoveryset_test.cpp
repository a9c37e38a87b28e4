// Recovery sets we write and repair ourselves: any N lost or damaged files
// come back byte for byte; N + 1 are refused with nothing written.
#include "setfolder.h"

#include "par2/recoverycreator.h"
#include "par2/recoverysetrepairer.h"
#include "par2/recoverysetverifier.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

enum class Damage { Delete, FlipByte, Truncate };

RecoveryCreator::Result protect(SetFolder& folder, int n, RecoveryCreator::Options options = {})
{
    options.rebuildableFiles = n;
    return RecoveryCreator::create(folder.dir.path(), folder.names, QStringLiteral("set"), options);
}

void damage(SetFolder& folder, const QString& name, Damage how, std::mt19937& random)
{
    QByteArray bytes = folder.read(name);
    switch (how) {
    case Damage::Delete:
        QFile::remove(folder.path(name));
        return;
    case Damage::FlipByte:
        bytes[qsizetype(random() % bytes.size())] ^= char(1 << (random() % 8));
        break;
    case Damage::Truncate:
        bytes.truncate(qsizetype(random() % bytes.size()));
        break;
    }
    folder.write(name, bytes);
}

// N files chosen at random, damaged in turn by each way.
QStringList damageSome(SetFolder& folder, int n, std::mt19937& random)
{
    QStringList chosen = folder.names;
    std::shuffle(chosen.begin(), chosen.end(), random);
    chosen = chosen.mid(0, n);
    for (int i = 0; i < n; ++i)
        damage(folder, chosen[i], Damage(i % 3), random);
    return chosen;
}

} // namespace

TEST(RecoverySet, AnyNFilesDeletedFlippedOrTruncatedAreRebuiltByteForByte)
{
    struct Case
    {
        int files;
        qint64 size;
        int n;
    };
    for (const Case c : {Case{12, 16384, 1}, Case{12, 16384, 2}, Case{12, 16384, 12}, Case{120, 6000, 1},
                         Case{120, 6000, 2}, Case{120, 6000, 99}}) {
        SCOPED_TRACE(testing::Message() << c.files << " files, N = " << c.n);
        SetFolder folder(c.files, c.size, unsigned(c.files * 100 + c.n));
        const auto created = protect(folder, c.n);
        ASSERT_TRUE(created.ok) << created.error.toStdString();
        EXPECT_EQ(created.files.size(), 1 + 2 * c.n); // two slices per file, one per recovery file
        for (const QString& file : created.files.mid(1))
            EXPECT_LE(QFileInfo(file).size(), c.size) << file.toStdString();
        const auto original = folder.snapshot();

        std::mt19937 random(unsigned(c.n));
        const QStringList hit = damageSome(folder, c.n, random);
        const auto check = RecoverySetVerifier::verify(folder.path("set.par2"), {});
        ASSERT_TRUE(check.ok) << check.error.toStdString();
        EXPECT_EQ(check.names(RecoverySetVerifier::FileCheck::State::Complete).size(), c.files - c.n);
        EXPECT_TRUE(check.enoughRecovery());

        const auto repair = RecoverySetRepairer::repair(folder.path("set.par2"), {});
        ASSERT_TRUE(repair.ok) << repair.error.toStdString();
        EXPECT_EQ(repair.repaired.size(), c.n);
        for (const QString& name : folder.names)
            ASSERT_EQ(folder.read(name), original.value(name)) << name.toStdString();
        for (const QString& aside : repair.keptDamaged)
            EXPECT_TRUE(aside.endsWith(QLatin1String(".damaged")));
        EXPECT_EQ(repair.keptDamaged.size(), int(std::count_if(hit.begin(), hit.end(), [&](const QString& name) {
                      return QFileInfo::exists(folder.path(name + QStringLiteral(".damaged")));
                  })));
        EXPECT_TRUE(RecoverySetVerifier::verify(folder.path("set.par2"), {}).complete());
    }
}

TEST(RecoverySet, OneFileMoreThanTheRecoveryCoversIsRefusedWithNothingWritten)
{
    for (const int n : {1, 2}) {
        SetFolder folder(12, 10000, unsigned(n));
        ASSERT_TRUE(protect(folder, n).ok);
        // Whole files: a flipped byte costs one slice only, and may still be mended.
        for (int i = 0; i <= n; ++i)
            QFile::remove(folder.path(folder.names[i * 5]));
        const auto before = folder.snapshot();
        const auto repair = RecoverySetRepairer::repair(folder.path("set.par2"), {});
        EXPECT_FALSE(repair.ok);
        EXPECT_FALSE(repair.repairable);
        EXPECT_EQ(repair.lost.size(), n + 1);
        EXPECT_TRUE(repair.error.contains(repair.lost.first())) << repair.error.toStdString();
        EXPECT_EQ(folder.snapshot(), before);
    }
}

TEST(RecoverySet, RecoveryBytesAreTheSameWhateverThePathThreadsOrMemory)
{
    SetFolder folder(9, 50000, 5);
    const auto reference = [&] {
        RecoveryCreator::Options options;
        options.engine.kernel = RegionKernel::of(RegionKernel::Isa::Portable);
        options.engine.threads = 1;
        EXPECT_TRUE(protect(folder, 3, options).ok);
        return folder.snapshot();
    }();
    for (RegionKernel::Isa isa : {RegionKernel::Isa::Ssse3, RegionKernel::Isa::Avx2})
        for (const size_t memory : {size_t(1) << 12, size_t(256) << 20}) {
            RecoveryCreator::Options options;
            options.engine.kernel = RegionKernel::of(isa);
            if (!options.engine.kernel)
                continue;
            options.engine.threads = 2;
            options.engine.memoryBudget = memory; // the smaller one takes many passes
            ASSERT_TRUE(protect(folder, 3, options).ok);
            EXPECT_EQ(folder.snapshot(), reference) << options.engine.kernel->name << " in " << memory;
        }
}

TEST(RecoverySet, ADamagedIndexOrACancelledRunLeavesTheSetUsable)
{
    SetFolder folder(12, 12000, 9);
    std::atomic<bool> cancel{true};
    RecoveryCreator::Options cancelled;
    cancelled.engine.cancel = &cancel;
    const auto stopped = protect(folder, 2, cancelled);
    EXPECT_FALSE(stopped.ok);
    EXPECT_EQ(folder.snapshot().size(), 12); // no recovery file, no temporary left

    ASSERT_TRUE(protect(folder, 2).ok);
    const auto original = folder.snapshot();
    // Every recovery file carries the index packets too.
    QByteArray index = folder.read("set.par2");
    for (qsizetype i = 100; i < index.size(); i += 97)
        index[i] = char(index[i] ^ 0x55);
    folder.write("set.par2", index);
    QFile::remove(folder.path("set03.zip"));
    const auto repair = RecoverySetRepairer::repair(folder.path("set.vol01+01.par2"), {});
    ASSERT_TRUE(repair.ok) << repair.error.toStdString();
    EXPECT_EQ(folder.read("set03.zip"), original.value("set03.zip"));
}
