// The other way round and back: par2cmdline verifies and repairs the sets we
// write, and we repair from sets par2cmdline wrote.
#include "setfolder.h"

#include "par2/recoverycreator.h"
#include "par2/recoverysetrepairer.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

int par2(const QStringList& arguments, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral("par2"), arguments);
    if (!p.waitForFinished(120000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

TEST(Par2cmdline, VerifiesAndRepairsOurSetsAndWeRepairFromItsSets)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("par2")).isEmpty()) << "Debian's par2 is needed";

    // Ours, checked and mended by par2cmdline.
    {
        SetFolder folder(12, 20000, 21);
        RecoveryCreator::Options options;
        options.rebuildableFiles = 2;
        ASSERT_TRUE(RecoveryCreator::create(folder.dir.path(), folder.names, QStringLiteral("set"), options).ok);
        const auto original = folder.snapshot();
        EXPECT_EQ(par2({"verify", "-q", "set.par2"}, folder.dir.path()), 0);
        QFile::remove(folder.path("set04.zip"));
        QByteArray bytes = folder.read("set12.zip");
        bytes[10] = char(bytes[10] ^ 1);
        folder.write("set12.zip", bytes);
        EXPECT_EQ(par2({"repair", "-q", "set.par2"}, folder.dir.path()), 0);
        EXPECT_EQ(folder.read("set04.zip"), original.value("set04.zip"));
        EXPECT_EQ(folder.read("set12.zip"), original.value("set12.zip"));
    }
    // par2cmdline's, with many slices per file, mended by us.
    for (const char* slice : {"-s4096", "-s65536"}) {
        SetFolder folder(12, 30000, 22);
        QStringList arguments{"create", "-q", slice, "-c16", "set.par2"};
        arguments += folder.names;
        ASSERT_EQ(par2(arguments, folder.dir.path()), 0);
        const auto original = folder.snapshot();
        QFile::remove(folder.path("set02.zip"));
        QByteArray bytes = folder.read("set07.zip");
        bytes.truncate(5000);
        folder.write("set07.zip", bytes);
        const auto repair = RecoverySetRepairer::repair(folder.path("set.par2"), {});
        ASSERT_TRUE(repair.ok) << slice << ": " << repair.error.toStdString();
        EXPECT_EQ(folder.read("set02.zip"), original.value("set02.zip"));
        EXPECT_EQ(folder.read("set07.zip"), original.value("set07.zip"));
    }
}
