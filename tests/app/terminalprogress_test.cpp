#include "app/terminalprogress.h"
#include "job/appstate.h"
#include "job/viewstate.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(TerminalProgressTest, ALineNamesTheZipWithItsNumberPaddedLikeTheZipNumbers)
{
    EXPECT_EQ(TerminalProgress::lineFor(" 3 of 12", "game03.zip"), "03 of 12  game03.zip\n");
    EXPECT_EQ(TerminalProgress::lineFor(" 1 of 3", "demo01.zip"), "01 of 03  demo01.zip\n");
    EXPECT_EQ(TerminalProgress::lineFor(" 7 of 120", "big007.zip"), "007 of 120  big007.zip\n");
    EXPECT_EQ(TerminalProgress::lineFor(" 1 of 1", "single.zip"), "01 of 01  single.zip\n");
    // An archives-only run counts volumes, and a run between ZIPs has no name.
    EXPECT_EQ(TerminalProgress::lineFor(" 3 Rar's", "game03.zip"), QString());
    EXPECT_EQ(TerminalProgress::lineFor(" 3 of 12", QString()), QString());
    EXPECT_EQ(TerminalProgress::lineFor(QString(), QString()), QString());
}

TEST(TerminalProgressTest, TheProgressAndSummaryLinesSayHowFarHowFastAndHowLong)
{
    WholeRunView whole;
    whole.percent = 42;
    whole.doneBytes = 24600000;
    whole.elapsedMs = 2000;
    whole.remainingMs = 65000;
    RunPageView run;
    EXPECT_EQ(TerminalProgress::progressLine(whole, run), " 42%  archiving          12.3 MB/s  0:02 taken  1:05 left");
    run.counter = " 3 of 12";
    run.zipName = "game03.zip";
    whole.elapsedMs = 0;
    whole.remainingMs = -1;
    EXPECT_EQ(TerminalProgress::progressLine(whole, run), " 42%  ZIP 03 of 12         -- MB/s  0:00 taken  --:-- left");

    whole.made = 3;
    whole.madeBytes = 3645123;
    whole.elapsedMs = 3723000;
    EXPECT_EQ(TerminalProgress::summaryLine(whole), "3 ZIPs, 3,645,123 bytes, made in 1:02:03");
    whole.made = 1;
    whole.archivesOnly = true;
    EXPECT_EQ(TerminalProgress::summaryLine(whole), "1 volume, 3,645,123 bytes, made in 1:02:03");
    EXPECT_EQ(TerminalProgress::duration(59999), "0:59");
    EXPECT_EQ(TerminalProgress::duration(600000), "10:00");
}

namespace {

struct TerminalProgressFixture : ::testing::Test {
    ViewState view;
    AppState app;
    QStringList written;
    std::unique_ptr<TerminalProgress> progress;

    void make(TerminalProgress::Style style)
    {
        progress = std::make_unique<TerminalProgress>(view, app, style, [this](const QString& text) { written << text; });
    }
    // What a run does: the whole run starts, then for each ZIP its name and
    // counter, a change for every file added and every percent; then the
    // summary and the end, which clears the name.
    void runZips(int count, const QString& base, const QString& verdict = {}, const QString& recovery = {})
    {
        view.wholeRun = WholeRunView{};
        view.wholeRun.running = true;
        view.notify();
        for (int n = 1; n <= count; ++n) {
            view.run.zipName = QStringLiteral("%1%2.zip").arg(base).arg(n, 2, 10, QChar('0'));
            view.run.counter = QStringLiteral(" %1 of %2").arg(n).arg(count);
            view.notify();
            for (int percent = 10; percent <= 100; percent += 30) {
                view.run.progress = percent;
                view.wholeRun.percent = (100 * (n - 1) + percent) / count;
                view.wholeRun.elapsedMs += 50;
                view.notify();
            }
        }
        view.wholeRun.running = false;
        view.wholeRun.finished = true;
        view.wholeRun.made = count;
        view.wholeRun.verdict = verdict;
        view.wholeRun.recovery = recovery;
        view.notify();
        view.run.zipName.clear();
        view.notify();
    }
};

} // namespace

TEST_F(TerminalProgressFixture, IntoAFileOrPipeEveryZipHasItsLineAndTheRunItsSummary)
{
    make(TerminalProgress::Style::Lines);
    app.launchMode = LaunchMode::AutoRun;
    runZips(2, "demo");
    EXPECT_EQ(written, (QStringList{"01 of 02  demo01.zip\n", "02 of 02  demo02.zip\n", "2 ZIPs, 0 bytes, made in 0:00\n"}));
    // The same set again writes its lines again; a verified run's line comes
    // right below its summary.
    runZips(1, "demo", "Verified: 1 ZIP and the set are sound");
    EXPECT_EQ(written.size(), 5);
    EXPECT_EQ(written.last(), "1 ZIP, 0 bytes, made in 0:00\nVerified: 1 ZIP and the set are sound\n");
    // Recovery files are told as the report tells them.
    runZips(1, "demo", "Verified: 1 ZIP and the set are sound", "any 1 ZIP can be rebuilt (2 files, 1.4 MB)");
    EXPECT_EQ(written.last(), "1 ZIP, 0 bytes, made in 0:00\nVerified: 1 ZIP and the set are sound\n"
                              "Recovery: any 1 ZIP can be rebuilt (2 files, 1.4 MB)\n");
}

TEST_F(TerminalProgressFixture, AtATerminalOneLineIsDrawnOverAndEndsInTheSummary)
{
    make(TerminalProgress::Style::InPlace);
    app.launchMode = LaunchMode::AutoRunDated;
    runZips(2, "demo");
    ASSERT_GE(written.size(), 3);
    for (int i = 0; i + 1 < written.size(); ++i) {
        EXPECT_TRUE(written[i].startsWith('\r')) << written[i].toStdString();
        EXPECT_FALSE(written[i].contains('\n')) << written[i].toStdString();
    }
    EXPECT_TRUE(written.contains("\r 70%  ZIP 02 of 02        0.0 MB/s  0:00 taken  --:-- left\x1b[K"));
    EXPECT_EQ(written.last(), "\r2 ZIPs, 0 bytes, made in 0:00\x1b[K\n");

    // A narrow terminal gets as much as fits, so a redraw never wraps.
    written.clear();
    progress->columns = [] { return 20; };
    runZips(1, "demo");
    EXPECT_EQ(written.first(), "\r  0%  archiving    \x1b[K");

    // A run that fails leaves its last figure on a line of its own before the error.
    written.clear();
    view.wholeRun = WholeRunView{};
    view.wholeRun.running = true;
    view.wholeRun.percent = 12;
    view.notify();
    progress->endLine();
    progress->endLine();
    EXPECT_EQ(written.size(), 2);
    EXPECT_EQ(written.last(), "\n");
}

TEST_F(TerminalProgressFixture, QuietAndInteractiveRunsWriteNothing)
{
    make(TerminalProgress::Style::Quiet);
    app.launchMode = LaunchMode::AutoRun;
    runZips(2, "demo");
    make(TerminalProgress::Style::InPlace);
    app.launchMode = LaunchMode::Interactive;
    runZips(2, "demo");
    EXPECT_TRUE(written.isEmpty());
    EXPECT_EQ(TerminalProgress::styleFor(true, true), TerminalProgress::Style::Quiet);
    EXPECT_EQ(TerminalProgress::styleFor(false, true), TerminalProgress::Style::InPlace);
    EXPECT_EQ(TerminalProgress::styleFor(false, false), TerminalProgress::Style::Lines);
}
