#include "resume/runjournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

RunJournal sample()
{
    RunJournal j;
    j.started = QDateTime::fromSecsSinceEpoch(944607600, Qt::UTC);
    j.begun = QDateTime::fromSecsSinceEpoch(1796835062, Qt::UTC);
    j.settings = {{"source", "d:\\game"}, {"skip", "sub\\*.*\r\nold %20 files\r\n"}, {"zip-folder", "e:\\zips"},
                  {"base-name", "game"}, {"extra", QString::fromUtf8("d:\\extras\\n\xc3\xa4me")}};
    j.sourceMeasure = "files 3 bytes 1200 digest 00000000000000ff";
    j.setWhole = true;
    j.volumes = {{"game.rar", 1440000, 944607601123456789}, {"game.r00", 1440000, 944607602}, {"game.r01", 12, 944607603}};
    j.zips = {{1, "game01.zip", 1441234, 0x8f2c1a3bu}, {2, "game02.zip", 1441200, 0x0000beefu}};
    return j;
}

} // namespace

TEST(RunJournal, ReadsBackWhatItWroteAndRefusesEveryCutOrChangedCopy)
{
    const RunJournal journal = sample();
    const QByteArray bytes = journal.toBytes();
    QString why;
    const auto back = RunJournal::fromBytes(bytes, &why);
    ASSERT_TRUE(back) << why.toStdString();
    EXPECT_EQ(*back, journal);

    // A kill while the file is written leaves some first part of it: never
    // taken for a journal.
    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(RunJournal::fromBytes(bytes.left(cut))) << "cut at " << cut;
    for (qsizetype at = 0; at < bytes.size(); at += 7) {
        QByteArray changed = bytes;
        changed[at] = char(changed[at] ^ 0x01);
        EXPECT_FALSE(RunJournal::fromBytes(changed)) << "byte " << at;
    }
    EXPECT_FALSE(RunJournal::fromBytes(bytes + bytes)) << "two journals in one";

    RunJournal open = journal;
    open.setWhole = false;
    open.volumes.clear();
    open.zips.clear();
    EXPECT_EQ(RunJournal::fromBytes(open.toBytes()), std::optional(open)) << "a run whose archiver has not finished";
    RunJournal unsound = journal;
    unsound.setUnsound = true;
    EXPECT_EQ(RunJournal::fromBytes(unsound.toBytes()), std::optional(unsound)) << "a set that failed its test";
}

TEST(RunJournal, AWriteIsAllOrNothingInItsFolder)
{
    QTemporaryDir dir;
    QString why;
    EXPECT_FALSE(RunJournal::read(dir.path(), &why));
    EXPECT_TRUE(why.isEmpty()) << "no journal is no fault";

    RunJournal journal = sample();
    ASSERT_TRUE(journal.write(dir.path()));
    // A kill after the new copy was begun but before it was renamed leaves
    // that copy beside the journal, which stays as it was.
    QFile pending(QDir(dir.path()).filePath(RunJournal::pendingFileName()));
    ASSERT_TRUE(pending.open(QIODevice::WriteOnly));
    pending.write(journal.toBytes().left(40));
    pending.close();
    EXPECT_EQ(RunJournal::read(dir.path()), std::optional(journal));

    journal.zips.append({3, "game03.zip", 20, 1});
    ASSERT_TRUE(journal.write(dir.path()));
    EXPECT_EQ(RunJournal::read(dir.path()), std::optional(journal));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{RunJournal::fileName()});

    QFile file(QDir(dir.path()).filePath(RunJournal::fileName()));
    ASSERT_TRUE(file.resize(file.size() - 3));
    EXPECT_FALSE(RunJournal::read(dir.path(), &why));
    EXPECT_EQ(why, "the journal is cut short");
    RunJournal::remove(dir.path());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
