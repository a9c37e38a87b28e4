// Recovery files after the ZIPs: written over the ZIPs of the run, checked
// by par2cmdline, enough to rebuild any N of them; and the remembered
// setting.
#include "endtoendfixture.h"

#include "job/recoveryfilespage.h"
#include "job/recoveryoption.h"
#include "par2/recoverysetrepairer.h"
#include "pipeline/recoverystep.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

TEST_F(EndToEnd, RecoveryFilesAfterTheZipsRebuildAnyTwoOfThemAndPar2VerifiesThem)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.recoveryZips = 2;
    makeRun();
    run->runJob();

    EXPECT_TRUE(home.messages.shown.isEmpty()) << home.messages.texts().join(QLatin1Char('|')).toStdString();
    const QStringList zips = zipFiles();
    ASSERT_EQ(zips.size(), 4);
    const QDir folder(zipsHost);
    const QStringList recovery = folder.entryList({QStringLiteral("*.par2")}, QDir::Files, QDir::Name);
    EXPECT_EQ(recovery, (QStringList{"game.par2", "game.vol00+01.par2", "game.vol01+01.par2", "game.vol02+01.par2",
                                     "game.vol03+01.par2"}));
    qint64 largest = 0;
    for (const QString& zip : zips)
        largest = std::max(largest, QFileInfo(folder.filePath(zip)).size());
    for (const QString& file : recovery)
        EXPECT_LE(QFileInfo(folder.filePath(file)).size(), largest) << file.toStdString();
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_TRUE(presenter.shown[0].recovery.startsWith(QStringLiteral(" any 2 ZIPs can be rebuilt (5 files, ")))
        << presenter.shown[0].recovery.toStdString();
    EXPECT_EQ(presenter.shown[0].archiveRows().last().label, QStringLiteral("Recovery:"));
    EXPECT_TRUE(tool(QStringLiteral("par2"), {QStringLiteral("verify"), QStringLiteral("-q"), QStringLiteral("game.par2")},
                     zipsHost)
                    .ok());

    QMap<QString, QByteArray> original;
    for (const QString& zip : zips) {
        QFile f(folder.filePath(zip));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        original.insert(zip, f.readAll());
    }
    QFile::remove(folder.filePath(zips[0]));
    QFile::remove(folder.filePath(zips[2]));
    const auto repaired = RecoverySetRepairer::repair(folder.filePath(QStringLiteral("game.par2")), {});
    ASSERT_TRUE(repaired.ok) << repaired.error.toStdString();
    for (const QString& zip : zips) {
        QFile f(folder.filePath(zip));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), original.value(zip)) << zip.toStdString();
    }
}

TEST(RecoveryOption, IsRememberedInTheApplicationDirectoryAndReadsNothingOddAsNone)
{
    QTemporaryDir dir;
    EXPECT_EQ(RecoveryOption::load(dir.path()), 0);
    for (const auto& [text, zips] : std::initializer_list<std::pair<QByteArray, int>>{
             {"2\r\n", 2}, {"99", 99}, {"100", 0}, {"-1", 0}, {"two", 0}, {"", 0}}) {
        QFile f(QDir(dir.path()).filePath(RecoveryOption::fileName()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        EXPECT_EQ(RecoveryOption::load(dir.path()), zips) << text.constData();
    }
    EXPECT_TRUE(RecoveryOption::save(dir.path(), 7));
    EXPECT_EQ(RecoveryOption::load(dir.path()), 7);
    EXPECT_TRUE(RecoveryOption::save(dir.path(), 0));
    EXPECT_FALSE(QFileInfo::exists(QDir(dir.path()).filePath(RecoveryOption::fileName())));
    EXPECT_EQ(RecoveryStep::reportText(1, 2, 1500000), QStringLiteral("any 1 ZIP can be rebuilt (2 files, 1.50 M)"));

    // The Options dialog's page: none, or a number in range; OK remembers it.
    AppState app;
    RecoveryFilesPage page(app, dir.path());
    EXPECT_TRUE(page.view().none && !page.view().zipsEnabled);
    EXPECT_EQ(page.view().sizeNote, QStringLiteral("No recovery files are written."));
    page.chooseZips();
    for (const auto& [asked, kept] : std::initializer_list<std::pair<int, int>>{{150, 99}, {0, 1}, {3, 3}}) {
        page.setZips(asked);
        EXPECT_EQ(page.view().zips, kept);
    }
    EXPECT_TRUE(page.view().zipsEnabled);
    EXPECT_TRUE(page.view().sizeNote.startsWith(QStringLiteral("About 3 times the size of the largest ZIP, in 6 files")));
    EXPECT_TRUE(page.accept(nullptr));
    EXPECT_EQ(app.recoveryZips, 3);
    EXPECT_EQ(RecoveryOption::load(dir.path()), 3);
    RecoveryFilesPage again(app, dir.path());
    EXPECT_FALSE(again.view().none);
    EXPECT_EQ(again.view().zips, 3);
    again.chooseNone();
    EXPECT_TRUE(again.accept(nullptr));
    EXPECT_EQ(app.recoveryZips, 0);
    EXPECT_FALSE(QFileInfo::exists(QDir(dir.path()).filePath(RecoveryOption::fileName())));
}

TEST_F(EndToEnd, AbortWhileRecoveryFilesAreWrittenKeepsTheZipsAndLeavesNoRecoveryFile)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.recoveryZips = 1;
    makeRun();
    QObject::connect(&view, &ViewState::changed, [this] {
        if (view.run.status == QStringLiteral("recovery files"))
            run->abortRun();
    });
    run->runJob();

    EXPECT_EQ(zipFiles().size(), 4);
    EXPECT_EQ(QDir(zipsHost).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no recovery or partial file";
    EXPECT_TRUE(presenter.shown.isEmpty());
}
