#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "pipeline/descriptionpreview.h"
#include "pipeline/diznumbering.h"
#include "platform/appdirectory.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class RecordingPreview : public DescriptionPreview
{
public:
    QList<QByteArray> shown;
    void showPreview(const QByteArray& cp437Text) override { shown << cp437Text; }
};

// Five lines; the third is 20 characters long, box-drawing bytes included.
const QByteArray kLine3 = "\xBA" "123456789ABCDEFGHI\xBA";

class DizNumberingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.addDrive(QLatin1Char('d'));
        job.setDizPath("d:\\art\\file_id.diz");
        job.setAutoNumbering(true);
        job.setDizLine("3");
        job.setDizColumn("10");
        describe("\xC9\xCD\xCD\xBB\r\nTitle\r\n" + kLine3 + "\r\n\r\n\xC8\xCD\xCD\xBC\r\n");
    }

    void describe(const QByteArray& bytes) { t.write("d:\\art\\file_id.diz", bytes); }
    StepResult check() { return checkDizNumbering(job, state, app, t.services, &preview); }
    QByteArray numbered(int current, int total)
    {
        state.currentVolume = qint16(current);
        state.volumeCount = qint16(total);
        const StepResult result = writeNumberedDiz(job, state, t.drives);
        EXPECT_TRUE(result.ok) << result.reason.toStdString();
        QFile file(AppDirectory::path() + "/file_id.diz");
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QByteArray lineOf(const QByteArray& text, int n) { return text.split('\n').value(n - 1).chopped(1); }
    bool tempCopyExists() { return QFileInfo::exists(t.host("c:\\~zavok.diz")); }

    TempHome t;
    RipJob job;
    RipRunState state;
    AppState app;
    RecordingPreview preview;
};

} // namespace

TEST_F(DizNumberingTest, TheNumberGoesAtLineAndColumnAndTheLineKeepsItsLength)
{
    ASSERT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_FALSE(tempCopyExists());

    const QByteArray out = numbered(3, 12);
    EXPECT_EQ(out, "\xC9\xCD\xCD\xBB\r\nTitle\r\n\xBA" "12345678" "03/12" "EFGHI\xBA\r\n\r\n\xC8\xCD\xCD\xBC\r\n");

    state.threeDigitNumbering = true;
    EXPECT_EQ(lineOf(numbered(3, 120), 3), "\xBA" "12345678" "003/120" "GHI\xBA");
}

TEST_F(DizNumberingTest, AShortLineFailsForTwoDigitsButTakesThreeDigitsBehindTwoBlanks)
{
    describe("one\r\ntwo\r\n123456789ABCD\r\n"); // 13 characters: 14 are needed
    app.launchMode = LaunchMode::Interactive;
    ASSERT_TRUE(check().ok);
    EXPECT_FALSE(state.numberingChecked);
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].text, "Column number too high");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.shell.lastPage(), PageId::Diz);
    EXPECT_EQ(t.shell.focuses, QList<FocusTarget>{FocusTarget::DizColumn});
    EXPECT_TRUE(tempCopyExists());

    state.threeDigitNumbering = true;
    state.dizPreviewMode = true;
    ASSERT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    ASSERT_EQ(preview.shown.size(), 1);
    EXPECT_EQ(preview.shown[0], "one\r\ntwo\r\n123456789001/99\r\n");
    EXPECT_FALSE(tempCopyExists());
    EXPECT_EQ(lineOf(numbered(7, 104), 3), "123456789007/10");
}

TEST_F(DizNumberingTest, ASixteenCharacterLineGetsTheTwoBlanksAndTheWholeThreeDigitText)
{
    describe("a\r\nb\r\n123456789ABCDEFG\r\n");
    state.threeDigitNumbering = true;
    ASSERT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    EXPECT_EQ(lineOf(numbered(12, 345), 3), "123456789012/345  ");
}

TEST_F(DizNumberingTest, TooFewLinesGiveLineNumberTooHighAndExactlyEnoughPass)
{
    describe("1\r\n2\r\n3\r\nthe last line is long enough\r\n");
    job.setDizLine("5");
    ASSERT_TRUE(check().ok);
    EXPECT_FALSE(state.numberingChecked);
    EXPECT_EQ(t.messages.texts(), QStringList{"Line number too high"});
    EXPECT_EQ(t.shell.focuses, QList<FocusTarget>{FocusTarget::DizLine});
    EXPECT_TRUE(tempCopyExists());

    job.setDizLine("4");
    job.setDizColumn("1");
    ASSERT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    EXPECT_EQ(lineOf(numbered(2, 9), 4), "02/09ast line is long enough");
}

TEST_F(DizNumberingTest, UnattendedRunsRefuseWithoutAMessage)
{
    app.launchMode = LaunchMode::AutoRunDated;
    job.setDizLine("99");
    ASSERT_TRUE(check().ok);
    EXPECT_FALSE(state.numberingChecked);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(t.shell.focuses, QList<FocusTarget>{FocusTarget::DizLine});
}

TEST_F(DizNumberingTest, AnEmptyOrZeroBoxOnlyMovesTheFocus)
{
    state.numberingChecked = true; // left over from an earlier Test
    job.setDizColumn("");
    job.setDizLine("0");
    ASSERT_TRUE(check().ok);
    EXPECT_EQ(t.shell.pages, QList<PageId>{PageId::Diz});
    EXPECT_EQ(t.shell.focuses, QList<FocusTarget>{FocusTarget::DizColumn});
    EXPECT_FALSE(state.numberingChecked);

    // On the Diz page already: no page switch.
    job.setDizColumn("10");
    ASSERT_TRUE(check().ok);
    EXPECT_EQ(t.shell.pages, QList<PageId>{PageId::Diz});
    EXPECT_EQ(t.shell.focuses.last(), FocusTarget::DizLine);
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_FALSE(tempCopyExists());
}

TEST_F(DizNumberingTest, LinesEndAtCrOrCrLfWhileALoneLfStaysInTheLine)
{
    // Line 1 holds a lone LF; CR CR LF is a line end and then an empty line.
    describe("up\ndown\r\r\nnumbered line here\rlast");
    job.setDizColumn("2");
    ASSERT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    EXPECT_EQ(numbered(1, 2), "up\ndown\r\n\r\nn01/02ed line here\r\nlast\r\n");

    job.setDizLine("2"); // the empty line: no room
    ASSERT_TRUE(check().ok);
    EXPECT_EQ(t.messages.texts(), QStringList{"Column number too high"});
}

TEST_F(DizNumberingTest, BadInputIsARunFailureOrNothing)
{
    job.setDizColumn("x10"); // no leading number: there is no position 0
    EXPECT_FALSE(check().ok);
    job.setDizColumn("10");
    job.setDizLine("x3"); // matches no line: the description stays as it is
    ASSERT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    EXPECT_EQ(lineOf(numbered(1, 2), 3), kLine3);

    job.setDizPath("d:\\art\\missing.diz");
    EXPECT_FALSE(check().ok);
    state.currentVolume = 1;
    state.volumeCount = 2;
    EXPECT_FALSE(writeNumberedDiz(job, state, t.drives).ok);

    // Switched off or without a description, nothing happens at all.
    state.numberingChecked = true;
    job.setAutoNumbering(false);
    EXPECT_TRUE(check().ok);
    job.setAutoNumbering(true);
    job.setDizPath("");
    EXPECT_TRUE(check().ok);
    EXPECT_TRUE(state.numberingChecked);
    EXPECT_TRUE(t.shell.focuses.isEmpty());
}

TEST_F(DizNumberingTest, ADescriptionThatShrankAfterTheCheckIsNotCopiedUnnumbered)
{
    ASSERT_TRUE(check().ok);
    describe("a\r\nb\r\nshort\r\n");
    state.currentVolume = 1;
    state.volumeCount = 2;
    EXPECT_FALSE(writeNumberedDiz(job, state, t.drives).ok);
}
