#include "platform/posixprocessrunner.h"
#include "ui/archiverwindow.h"
#include "ui/qtarchiverconsole.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>

namespace {

// The real runner and the real window, against small scripted archivers in
// the application directory. While the archiver runs, `during` is called
// every 20 ms with the window, until it returns true.
struct ArchiverWindowTest : ::testing::Test {
    QTemporaryDir dir;
    QString appDir;
    QtArchiverConsole console;
    PosixProcessRunner runner{QString()};
    QStringList seen;
    int bestPercent = -1;
    QString title;

    void SetUp() override
    {
        appDir = QFileInfo(dir.path()).canonicalFilePath();
        runner = PosixProcessRunner(appDir);
        runner.setConsole(&console);
    }
    void script(const QString& name, const QByteArray& body)
    {
        QFile file(appDir + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ProcessEnd run(const QString& line, const std::function<bool(ArchiverWindow&)>& during = {})
    {
        QTimer watch;
        watch.setInterval(20);
        bool done = false;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            ArchiverWindow* window = console.window();
            if (!window)
                return;
            title = window->windowTitle();
            seen << window->output()->toPlainText();
            bestPercent = qMax(bestPercent, window->findChild<QProgressBar*>("archiverProgress")->value());
            if (!done && during)
                done = during(*window);
        });
        watch.start();
        return runner.execCmd(line, appDir);
    }
    bool sawLine(const QString& text) const
    {
        return std::any_of(seen.begin(), seen.end(), [&](const QString& s) { return s.contains(text); });
    }
};

} // namespace

TEST_F(ArchiverWindowTest, ProgressLinesAndPercentagesAppearWhileTheArchiverRuns)
{
    script("wrar", "echo 'Creating archive c:\\Zavok001\\game.rar'\n"
                   "for p in 10 40 70; do printf 'Adding  d:\\\\game\\\\data.bin   %3d%%\\r' $p; sleep 0.15; done\n"
                   "printf 'Adding  d:\\\\game\\\\data.bin   100%%\\nDone\\n'\n");
    const ProcessEnd end = run("wrar.exe a -y -v1440000b c:\\Zavok001\\game.rar *.*");
    EXPECT_TRUE(end.succeeded()) << end.describe().toStdString();
    EXPECT_EQ(title, "wrar - c:\\Zavok001\\game.rar");
    EXPECT_TRUE(sawLine("Creating archive c:\\Zavok001\\game.rar"));
    EXPECT_TRUE(sawLine("data.bin    40%")) << seen.join("|").toStdString();
    EXPECT_FALSE(sawLine(" 10%\n")) << "a redrawn figure replaces the old one";
    EXPECT_GE(bestPercent, 40);
    EXPECT_EQ(console.window(), nullptr) << "the window goes with the archiver";
}

TEST_F(ArchiverWindowTest, CancelEndsAHangingArchiverWithinASecond)
{
    script("wace", "echo 'Adding data.bin'\nexec sleep 30\n");
    QElapsedTimer sinceCancel;
    const ProcessEnd end = run("wace.pif a c:\\Zavok001\\game.ace", [&](ArchiverWindow& window) {
        if (!window.output()->toPlainText().contains("Adding"))
            return false;
        QPushButton* cancel = window.findChild<QPushButton*>("archiverCancel");
        EXPECT_TRUE(cancel->isEnabled());
        sinceCancel.start();
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_FALSE(cancel->isEnabled()) << "one Cancel is enough";
        return true;
    });
    ASSERT_TRUE(sinceCancel.isValid()) << "the output never appeared";
    EXPECT_LT(sinceCancel.elapsed(), 1000);
    EXPECT_TRUE(end.cancelled);
    EXPECT_EQ(end.kind, ProcessEnd::Kind::Signalled);
}

TEST_F(ArchiverWindowTest, AnArchiverThatIgnoresTheFirstRequestIsKilled)
{
    script("wrar", "trap '' TERM\necho stubborn\nwhile :; do sleep 0.05; done\n");
    QElapsedTimer sinceCancel;
    const ProcessEnd end = run("wrar.exe a c:\\x.rar", [&](ArchiverWindow& window) {
        if (!window.output()->toPlainText().contains("stubborn"))
            return false;
        sinceCancel.start();
        // Closing the window is a Cancel too.
        window.close();
        return true;
    });
    ASSERT_TRUE(sinceCancel.isValid());
    EXPECT_LT(sinceCancel.elapsed(), 1000);
    EXPECT_TRUE(end.cancelled);
    EXPECT_EQ(end.signal, SIGKILL);
}

TEST_F(ArchiverWindowTest, AFailedArchiverLeavesItsWindowAndItsLastLines)
{
    script("wrar", "i=1; while [ $i -le 50 ]; do echo \"line $i\"; i=$((i+1)); done\n"
                   "echo 'cannot open d:\\\\game\\\\*.*' >&2\nexit 3\n");
    const ProcessEnd end = run("wrar.exe a c:\\Zavok001\\game.rar");
    EXPECT_EQ(end.kind, ProcessEnd::Kind::Exited);
    EXPECT_EQ(end.exitCode, 3);
    EXPECT_FALSE(end.cancelled);
    ASSERT_EQ(end.lastLines.size(), QtArchiverConsole::kLastLines);
    EXPECT_EQ(end.lastLines.first(), "line 12");
    EXPECT_EQ(end.lastLines.last(), "cannot open d:\\game\\*.*");

    // Open until the user closes it, and no longer in the way of the rest.
    QPointer<ArchiverWindow> window = console.window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->statusLabel()->text(), "wrar ended with exit status 3");
    QPushButton* close = window->cancelButton();
    EXPECT_EQ(close->text(), "&Close");
    QTest::mouseClick(close, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_FALSE(window) << "closed and gone";
}
