#include "endtoendfixture.h"

#include "resume/runjournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The real ZIP writer, failing the first add into one chosen ZIP: the run
// stops there as after Abort, with the ZIPs before it and the volumes from it.
class StopAtZip : public ZipComponent
{
public:
    StopAtZip(const DriveService& drives, QString target)
        : m_real(drives)
        , m_target(std::move(target))
    {
    }
    void setCompressionLevel(int level) override { m_real.setCompressionLevel(level); }
    void setTarget(const QString& t) override
    {
        m_current = t;
        m_real.setTarget(t);
    }
    void setComment(const QByteArray& c) override { m_real.setComment(c); }
    void setFileList(const QString& l) override { m_real.setFileList(l); }
    void setStop(bool s) override { m_real.setStop(s); }
    void setEntryTime(const QDateTime& t, bool own) override { m_real.setEntryTime(t, own); }
    void startZip() override { m_real.startZip(); }
    int finishZip() override { return m_real.finishZip(); }
    void dropZip() override { m_real.dropZip(); }
    int add() override
    {
        m_real.onAdding = onAdding;
        m_real.onStatus = onStatus;
        m_real.processPendingEvents = processPendingEvents;
        if (beforeAdd)
            beforeAdd(m_current);
        return m_current == m_target ? 1 : m_real.add();
    }
    std::function<void(const QString& target)> beforeAdd;

private:
    LibzipComponent m_real;
    QString m_target;
    QString m_current;
};

struct Identity {
    qint64 inode;
    qint64 modified;
};

} // namespace

class ContinueRun : public EndToEnd
{
protected:
    void SetUp() override
    {
        EndToEnd::SetUp();
        makeTree("game");
        setUpJob("d:\\game", false);
        app.launchMode = LaunchMode::AutoRun;
    }
    QMap<QString, QByteArray> zipBytes() const
    {
        QMap<QString, QByteArray> all;
        for (const QString& name : zipFiles()) {
            QFile f(zipsHost + "/" + name);
            f.open(QIODevice::ReadOnly);
            all[name] = f.readAll();
        }
        return all;
    }
    Identity identity(const QString& zip) const
    {
        const QFileInfo info(zipsHost + "/" + zip);
        struct stat st {};
        ::stat(QFile::encodeName(info.filePath()).constData(), &st);
        return {qint64(st.st_ino), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    }
    QString kept() const { return home.dir.path() + "/kept"; }
    void clearOutput()
    {
        QDir(zipsHost).removeRecursively();
        QDir().mkpath(zipsHost);
        for (const QString& work : QDir(home.host("c:\\")).entryList({"Zavok*"}, QDir::Dirs))
            QDir(home.host("c:\\") + "/" + work).removeRecursively();
        home.shell.reported.clear();
    }
};

TEST_F(ContinueRun, AStoppedRunContinuesIntoTheSameSetUnlessItsJobOrItsLeftoversChanged)
{
    // The set as one uninterrupted run makes it. (The cases that continue
    // come first: a later one changes the source.)
    makeRun();
    run->runJob();
    const QMap<QString, QByteArray> reference = zipBytes();
    ASSERT_EQ(reference.size(), 4);

    const struct {
        const char* name;
        std::function<void()> change;
        QString reported; // what the second run says on stdout
    } cases[] = {
        {"untouched", [] {}, "continuing the interrupted run in c:\\Zavok001: 2 of 4 ZIPs are done"},
        {"a ZIP in place but not in the journal",
         [this] {
             // As a kill right after game02.zip was put in place leaves it.
             const QString work = home.host("c:\\Zavok001");
             QFile::rename(kept() + "/game.r00", work + "/game.r00");
             RunJournal journal = *RunJournal::read(work);
             journal.zips.removeLast();
             journal.write(work);
         },
         "continuing the interrupted run in c:\\Zavok001: 1 of 4 ZIPs are done"},
        {"a source file written", [this] { writeHost("game/CAPS.TXT", "capitals\r\n"); },
         "the interrupted run in c:\\Zavok001 cannot be continued: the source has changed since (a file was written, "
         "renamed or replaced); starting afresh"},
        {"a volume gone", [this] { QFile::remove(home.host("c:\\Zavok001\\game.r02")); },
         "the interrupted run in c:\\Zavok001 cannot be continued: its volume game.r02 is missing; starting afresh"},
        {"another ZIP compression", [this] { job.setZipCompression(5); },
         "the interrupted run in c:\\Zavok001 cannot be continued: the ZIP compression has changed since (3 then, 5 now); "
         "starting afresh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clearOutput();
        job.setZipCompression(3);
        auto stop = std::make_unique<StopAtZip>(home.drives, "e:\\zips\\game03");
        // A second name for the second volume, which its ZIP deletes.
        stop->beforeAdd = [this](const QString& target) {
            if (target == "e:\\zips\\game02" && !QFile::exists(kept() + "/game.r00")
                && ::link(QFile::encodeName(home.host("c:\\Zavok001\\game.r00")).constData(),
                          QFile::encodeName(kept() + "/game.r00").constData()) != 0)
                ADD_FAILURE() << "cannot link the second volume";
        };
        QDir(kept()).removeRecursively();
        QDir().mkpath(kept());
        makeRun(std::move(stop));
        run->runJob();
        ASSERT_EQ(zipFiles(), (QStringList{"game01.zip", "game02.zip"}));
        ASSERT_EQ(workFiles(), (QStringList{"game.r01", "game.r02"}));
        const Identity first = identity("game01.zip");
        const Identity second = identity("game02.zip");

        c.change();
        home.clock.at = home.clock.at.addSecs(3600); // the entry times must not follow
        makeRun();
        run->runJob();
        home.clock.at = home.clock.at.addSecs(-3600);
        ASSERT_FALSE(home.shell.reported.isEmpty());
        EXPECT_TRUE(home.shell.reported.first().startsWith(c.reported)) << home.shell.reported.first().toStdString();
        EXPECT_EQ(zipFiles().size(), 4);
        if (c.reported.startsWith("continuing")) {
            EXPECT_EQ(zipBytes(), reference) << "the same set as one run makes";
            EXPECT_TRUE(view.wholeRun.verdict.startsWith("Verified: 4 ZIPs and the set are sound"))
                << "the set is tested through the kept ZIPs: " << view.wholeRun.verdict.toStdString();
            EXPECT_EQ(identity("game01.zip").inode, first.inode) << "a complete ZIP is not made again";
            EXPECT_EQ(identity("game01.zip").modified, first.modified);
            EXPECT_EQ(identity("game02.zip").inode, second.inode);
            EXPECT_FALSE(home.drives.pathExists("c:\\Zavok001")) << "the continued run ends as any run";
        } else {
            EXPECT_TRUE(home.drives.pathExists("c:\\Zavok001")) << "left for Clean up";
            EXPECT_FALSE(home.drives.pathExists("c:\\Zavok002"));
        }
    }
}
