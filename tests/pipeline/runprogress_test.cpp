#include "pipeline/runprogress.h"
#include "runfixture.h"

#include <QObject>

TEST(RunProgressTest, ArchiverAndZipsAreOneFigureWeighedByTheirBytes)
{
    ViewState view;
    qint64 now = 1000;
    RunProgress progress(view, [&] { return now; });
    const WholeRunView& whole = view.wholeRun;

    // Until the archiver has ended its volumes are taken to be the source's size.
    progress.start(4000000, false);
    EXPECT_TRUE(whole.running);
    EXPECT_EQ(whole.totalBytes, 8000000);
    EXPECT_EQ(whole.remainingMs, -1);
    now += 2000;
    progress.archiverPercent(50);
    EXPECT_EQ(whole.percent, 25);
    EXPECT_EQ(whole.elapsedMs, 2000);
    EXPECT_EQ(whole.remainingMs, 6000);

    // A compressing archiver left less to pack than the source.
    progress.archiverEnded(2, 1000000);
    EXPECT_EQ(whole.totalBytes, 5000000);
    EXPECT_EQ(whole.percent, 80);
    progress.zipStarted(600000);
    EXPECT_TRUE(progress.zipPercent(50));
    EXPECT_EQ(whole.doneBytes, 4300000);
    EXPECT_FALSE(progress.zipPercent(50)) << "nothing moved";
    progress.zipMade(610000);
    progress.zipStarted(400000);
    progress.zipMade(410000);
    now += 3000;
    progress.finish();
    EXPECT_EQ(whole.percent, 100);
    EXPECT_TRUE(whole.finished);
    EXPECT_FALSE(whole.running);
    EXPECT_EQ(whole.made, 2);
    EXPECT_EQ(whole.madeBytes, 1020000);
    EXPECT_EQ(whole.elapsedMs, 5000);

    // A new run starts from nothing; archives only count the source and their volumes.
    progress.start(3000000, true);
    EXPECT_FALSE(whole.finished);
    EXPECT_EQ(whole.totalBytes, 3000000);
    progress.archiverEnded(3, 3000123);
    progress.finish();
    EXPECT_EQ(whole.made, 3);
    EXPECT_EQ(whole.madeBytes, 3000123);
    // Volumes larger than the source do not take the figure back.
    progress.start(1000000, false);
    progress.archiverPercent(100);
    progress.archiverEnded(1, 1200000);
    EXPECT_EQ(whole.percent, 50);
    // An empty source divides by nothing.
    progress.start(0, false);
    progress.archiverPercent(40);
    EXPECT_EQ(whole.percent, 0);
    progress.end();
    EXPECT_FALSE(whole.running);
    EXPECT_FALSE(whole.finished);
}

TEST_F(RunFixture, TheWholeRunFigureOnlyGrowsAndEndsWithWhatWasMade)
{
    QList<int> percents;
    QObject::connect(&view, &ViewState::changed, [&] {
        if (view.wholeRun.running || view.wholeRun.finished)
            percents << view.wholeRun.percent;
    });
    run->runJob();
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << percents.size();
    EXPECT_TRUE(view.wholeRun.finished);
    EXPECT_EQ(view.wholeRun.made, 3);
    EXPECT_EQ(view.wholeRun.percent, 100);
}

TEST_F(RunFixture, AFailedRunEndsTheWholeRunFigureUnfinished)
{
    zip.failAt = 4;
    run->runJob();
    EXPECT_FALSE(view.wholeRun.running);
    EXPECT_FALSE(view.wholeRun.finished);
    EXPECT_EQ(view.wholeRun.made, 1);
}
