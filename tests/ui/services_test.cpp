#include "job/appstate.h"
#include "platform/appdirectory.h"
#include "ui/qtfiledialog.h"
#include "ui/qtmessagebox.h"
#include "ui/qtsoundplayer.h"
#include "ui/markerswitch.h"
#include "ui/soundswitch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(QtFileDialog, FiltersOfLabelAndPatternPairs)
{
    EXPECT_EQ(QtFileDialog::nameFilters("Script (*.zvk)|*.zvk|"), QStringList{"Script (*.zvk)"});
    EXPECT_EQ(QtFileDialog::nameFilters("File_id.diz (*.diz)|*.diz|Text file (*.txt)|*.txt|"),
              (QStringList{"File_id.diz (*.diz)", "Text file (*.txt)"}));
    // A label that does not show its pattern gets it, and ";" lists become Qt's blanks.
    EXPECT_EQ(QtFileDialog::nameFilters("Iso file|*.iso|Images|*.iso;*.bin"),
              (QStringList{"Iso file (*.iso)", "Images (*.iso *.bin)"}));
    EXPECT_EQ(QtFileDialog::nameFilters("Nfo file(*.nfo)|*.nfo|"), QStringList{"Nfo file(*.nfo)"});
    EXPECT_TRUE(QtFileDialog::nameFilters("").isEmpty());
}

TEST(QtMessageBox, LineBreaksAndOneLineForm)
{
    EXPECT_EQ(QtMessageBox::displayText("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(QtMessageBox::oneLine("Zavok32 can not be run from\r\na root directory"),
              "Zavok32 can not be run from a root directory");
}

TEST(QtMessageBox, WithNobodyToAnswerItTakesTheSafeButtonWithoutWaiting)
{
    QtMessageBox box;
    box.nobodyToAnswer = [] { return true; };
    EXPECT_EQ(box.show("Zavok32 error", "Duplicate zip name in zip directory\nadd to it?", MessageIcon::Exclamation,
                       MessageButtons::OkCancel),
              MessageResult::Cancel);
    EXPECT_EQ(box.show("Zavok32 error", "Zip comment file not found", MessageIcon::Exclamation), MessageResult::Ok);
    EXPECT_EQ(box.lastMessage(), "Zip comment file not found");
}

TEST(QtSoundPlayer, ShippedWavesAreShortAndTheirLengthIsRead)
{
    for (const char* name : {"type.wav", "whoosh.wav", "rip.wav", "thunder.wav"}) {
        const QString path = AppDirectory::shippedFile(name);
        ASSERT_FALSE(path.isEmpty()) << name;
        const int ms = QtSoundPlayer::durationMs(path);
        EXPECT_GT(ms, 20) << name;
        EXPECT_LT(ms, 2000) << name;
        EXPECT_LT(QFile(path).size(), 32 * 1024) << name;
    }
    EXPECT_EQ(QtSoundPlayer::durationMs("/nonexistent.wav"), 0);
}

TEST(QtSoundPlayer, WaitingLastsAboutAsLongAsTheSound)
{
    QtSoundPlayer player;
    QElapsedTimer timer;
    timer.start();
    player.play("type.wav", true);
    EXPECT_GE(timer.elapsed(), QtSoundPlayer::durationMs(AppDirectory::shippedFile("type.wav")));
    player.play("missing-sound.wav", true); // the beep instead; no wait, no failure
    EXPECT_EQ(player.played(), (QStringList{"type.wav", "missing-sound.wav"}));
}

TEST(SoundSwitch, OffWritesTheMarkerOnRemovesItAndARestartReadsIt)
{
    QTemporaryDir dir;
    AppState app;
    SoundSwitch sounds(app, dir.path());
    sounds.toggle();
    EXPECT_FALSE(app.soundsEnabled);
    QFile marker(dir.filePath("sounds.ini"));
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), QByteArray("\r\n"));
    marker.close();

    AppState restarted;
    SoundSwitch(restarted, dir.path()).load();
    EXPECT_FALSE(restarted.soundsEnabled);

    sounds.toggle();
    EXPECT_TRUE(app.soundsEnabled);
    EXPECT_FALSE(QFile::exists(dir.filePath("sounds.ini")));
    AppState again;
    SoundSwitch(again, dir.path()).load();
    EXPECT_TRUE(again.soundsEnabled);
}

TEST(MarkerSwitch, VerifyAndChecksumSwitchesAreRememberedLikeTheSoundSwitch)
{
    QTemporaryDir dir;
    AppState app;
    MarkerSwitch verify(app.verifyAfterPacking, dir.path(), "verify.ini");
    MarkerSwitch sums(app.checksumFiles, dir.path(), "checksum.ini");
    EXPECT_TRUE(app.verifyAfterPacking && app.checksumFiles) << "both are on until turned off";
    verify.toggle();
    EXPECT_FALSE(app.verifyAfterPacking);
    EXPECT_TRUE(QFile::exists(dir.filePath("verify.ini")));
    EXPECT_FALSE(QFile::exists(dir.filePath("checksum.ini")));

    AppState restarted;
    MarkerSwitch(restarted.verifyAfterPacking, dir.path(), "verify.ini").load();
    MarkerSwitch(restarted.checksumFiles, dir.path(), "checksum.ini").load();
    EXPECT_FALSE(restarted.verifyAfterPacking);
    EXPECT_TRUE(restarted.checksumFiles);

    verify.toggle();
    EXPECT_TRUE(app.verifyAfterPacking);
    EXPECT_FALSE(QFile::exists(dir.filePath("verify.ini")));
}

TEST(SoundSwitch, AMarkerInAnotherCaseCountsAndIsRemovedWhole)
{
    QTemporaryDir dir;
    QFile old(dir.filePath("SOUNDS.INI"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    AppState app;
    SoundSwitch sounds(app, dir.path());
    sounds.load();
    EXPECT_FALSE(app.soundsEnabled);
    sounds.toggle();
    EXPECT_TRUE(app.soundsEnabled);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    sounds.toggle();
    sounds.toggle(); // on again with the file already gone
    EXPECT_TRUE(app.soundsEnabled);
}
