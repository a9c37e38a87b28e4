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

namespace {

struct TerminalProgressFixture : ::testing::Test {
    ViewState view;
    AppState app;
    QStringList written;
    TerminalProgress progress{view, app, [this](const QString& line) { written << line; }};

    // What the run does for one ZIP: its name and counter, then a change for
    // every file added and every percent.
    void makeZip(int n, int count, const QString& name)
    {
        view.run.zipName = name;
        view.run.counter = QStringLiteral(" %1 of %2").arg(n).arg(count);
        view.notify();
        for (const char* added : {"demo.rar", "file_id.diz", "demo.nfo"}) {
            view.run.status = QLatin1String(added);
            view.notify();
        }
        for (int percent = 10; percent <= 100; percent += 30) {
            view.run.progress = percent;
            view.notify();
        }
        view.run.progress = 0;
        view.notify();
    }
    void endRun()
    {
        view.run.zipName.clear();
        view.notify();
    }
};

} // namespace

TEST_F(TerminalProgressFixture, AnUnattendedRunWritesOneLinePerZipAsItIsBegun)
{
    app.launchMode = LaunchMode::AutoRun;
    makeZip(1, 2, "demo01.zip");
    EXPECT_EQ(written, QStringList{"01 of 02  demo01.zip\n"});
    makeZip(2, 2, "demo02.zip");
    endRun();
    EXPECT_EQ(written, (QStringList{"01 of 02  demo01.zip\n", "02 of 02  demo02.zip\n"}));
}

TEST_F(TerminalProgressFixture, ARunOfTheSameSetAgainWritesItsLinesAgain)
{
    app.launchMode = LaunchMode::AutoRunDated;
    makeZip(1, 1, "demo.zip");
    endRun();
    makeZip(1, 1, "demo.zip");
    EXPECT_EQ(written.size(), 2);
}

TEST_F(TerminalProgressFixture, AnInteractiveRunHasItsPageAndWritesNothing)
{
    makeZip(1, 2, "demo01.zip");
    makeZip(2, 2, "demo02.zip");
    EXPECT_TRUE(written.isEmpty());
}
