#include "doubles/temphome.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "pipeline/nfostamp.h"
#include "platform/appdirectory.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QByteArray kStamp = QByteArray(28, ' ') + "Packaged with Zavok32 by QZM";

class NfoStampTest : public ::testing::Test
{
protected:
    void SetUp() override { t.addDrive(QLatin1Char('d')); }

    StepResult stamp(const QString& nfoPath)
    {
        job.setNfoPath(nfoPath);
        return prepareNfo(job, state, t.services);
    }
    QByteArray copy() const
    {
        QFile file(AppDirectory::path() + "/" + state.nfoFileName);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    TempHome t;
    RipJob job;
    RipRunState state;
};

} // namespace

TEST_F(NfoStampTest, ACopyEndsWithAnEmptyLineAndTheStamp)
{
    t.write("d:\\rel\\Info.NFO", "\xC9\xCD\xBB Release\r\nline\none\rlast");
    const StepResult result = stamp("d:\\rel\\Info.NFO");
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_EQ(state.nfoFileName, "Info.NFO");
    EXPECT_EQ(copy(), "\xC9\xCD\xBB Release\r\nline\none\r\nlast\r\n\r\n" + kStamp + "\r\n");
    EXPECT_EQ(t.shell.pendingEventPasses, 3);
    EXPECT_EQ(t.read("d:\\rel\\Info.NFO"), "\xC9\xCD\xBB Release\r\nline\none\rlast");
}

TEST_F(NfoStampTest, AStampedFileIsCutAfterItsStampAndNotStampedTwice)
{
    const QByteArray otherVersion = QByteArray(28, ' ') + "Packaged with an older one";
    t.write("d:\\rel\\a.nfo", "text\r\n" + otherVersion + "\r\nleft over\r\n");
    ASSERT_TRUE(stamp("d:\\rel\\a.nfo").ok);
    EXPECT_EQ(copy(), "text\r\n" + otherVersion + "\r\n");

    // Stamping a stamped copy changes nothing.
    t.write("d:\\rel\\b.nfo", "text\r\n");
    ASSERT_TRUE(stamp("d:\\rel\\b.nfo").ok);
    const QByteArray once = copy();
    t.write("d:\\rel\\b.nfo", once);
    ASSERT_TRUE(stamp("d:\\rel\\b.nfo").ok);
    EXPECT_EQ(copy(), once);

    // Only the start of a line counts, with exactly 28 blanks before it.
    t.write("d:\\rel\\c.nfo", QByteArray(27, ' ') + "Packaged with\r\n");
    ASSERT_TRUE(stamp("d:\\rel\\c.nfo").ok);
    EXPECT_TRUE(copy().endsWith("\r\n\r\n" + kStamp + "\r\n"));
}

TEST_F(NfoStampTest, AMissingFileFailsAndNoFileDoesNothing)
{
    EXPECT_FALSE(stamp("d:\\rel\\missing.nfo").ok);
    state.nfoFileName.clear();
    EXPECT_TRUE(stamp("").ok);
    EXPECT_TRUE(state.nfoFileName.isEmpty());
}

TEST_F(NfoStampTest, TheCopyStaysInTheApplicationDirectory)
{
    t.write("d:\\evil.nfo", "x");
    ASSERT_TRUE(stamp("d:\\rel/../evil.nfo").ok);
    EXPECT_EQ(state.nfoFileName, "evil.nfo");
    EXPECT_TRUE(QFile::exists(AppDirectory::path() + "/evil.nfo"));
    EXPECT_FALSE(stamp("d:\\rel\\").ok);
}
