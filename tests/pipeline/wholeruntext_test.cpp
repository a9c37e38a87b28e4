#include "job/viewstate.h"
#include "pipeline/runendnotice.h"
#include "pipeline/wholeruntext.h"

#include <gtest/gtest.h>

namespace {

WholeRunView whole(bool running, bool finished, qint64 elapsedMs, qint64 remainingMs = -1, int percent = 0)
{
    WholeRunView w;
    w.running = running;
    w.finished = finished;
    w.elapsedMs = elapsedMs;
    w.remainingMs = remainingMs;
    w.percent = percent;
    return w;
}

} // namespace

TEST(WholeRunText, TimesAndTheMinimisedTitleFollowTheRun)
{
    const struct {
        WholeRunView whole;
        const char* times;
        const char* title;
    } cases[] = {
        {WholeRunView{}, "", "Zavok32 - demo.zvk"},
        {whole(true, false, 7000), "0:07 taken", "0% - Zavok32 - demo.zvk"},
        {whole(true, false, 7400, 10000, 42), "0:07 taken, about 0:10 left", "42% - Zavok32 - demo.zvk"},
        {whole(true, false, 3725000, 60000, 98), "1:02:05 taken, about 1:00 left", "98% - Zavok32 - demo.zvk"},
        {whole(false, true, 42000, 0, 100), "Done in 0:42", "Zavok32 - demo.zvk"},
        {whole(false, false, 12000, -1, 37), "Ended after 0:12", "Zavok32 - demo.zvk"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wholeruntext::times(c.whole), QString::fromUtf8(c.times));
        EXPECT_EQ(wholeruntext::minimisedTitle(QStringLiteral("Zavok32 - demo.zvk"), c.whole), QString::fromUtf8(c.title));
    }
}

TEST(RunEndNotice, OnlyALongRunTheUserDidNotWatchIsAnnounced)
{
    const QString made = RunEndNotice::madeText(12, false, QStringLiteral("quake2"), QStringLiteral("c:\\zips"));
    EXPECT_EQ(made, "12 ZIPs of quake2 in c:\\zips");
    EXPECT_EQ(RunEndNotice::madeText(1, true, QStringLiteral("q"), QStringLiteral("c:\\Zavok001")), "1 volume of q in c:\\Zavok001");

    const qint64 longRun = RunEndNotice::kLongRunMs;
    const qint64 shortRun = RunEndNotice::kLongRunMs - 1;
    EXPECT_FALSE(RunEndNotice::forRun(longRun, false, made, {})) << "the user watched it";
    EXPECT_FALSE(RunEndNotice::forRun(shortRun, true, made, {})) << "over before anyone looked away";
    const auto ready = RunEndNotice::forRun(longRun, true, made, {});
    ASSERT_TRUE(ready);
    EXPECT_EQ(ready->title, "The set is ready");
    EXPECT_EQ(ready->body, made);
    const auto failed = RunEndNotice::forRun(longRun, true, made, QStringLiteral("The archiver wrar ended with exit status 2"));
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->title, "The run failed");
    EXPECT_EQ(failed->body, "The archiver wrar ended with exit status 2");
}
