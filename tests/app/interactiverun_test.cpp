#include "appdoubles.h"
#include "app/application.h"
#include "doubles/fakes.h"
#include "doubles/temphome.h"
#include "pipeline/riprun.h"
#include "platform/libzipcomponent.h"
#include "ui/mainwindow.h"
#include "ui/qtreportpresenter.h"
#include "ui/reportwindow.h"
#include "app/setcheckwiring.h"
#include "ui/checksetwindow.h"
#include "job/recoveryoption.h"
#include "ui/recoveryfilesdialog.h"
#include <QRadioButton>
#include <QSpinBox>
#include <QMenuBar>
#include <QTreeWidget>
#include "ui/runpage.h"
#include "ui/listbar.h"
#include "ui/archiverwindow.h"
#include "ui/qtarchiverconsole.h"
#include "pipeline/riprun.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The real ZIP writer, with a hand on the run page's Abort before a chosen add.
class AbortingZip : public ZipComponent
{
public:
    AbortingZip(LibzipComponent& real) : m_real(real) {}
    std::function<void()> beforeAdd;
    void setCompressionLevel(int level) override { m_real.setCompressionLevel(level); }
    void setTarget(const QString& t) override { m_real.setTarget(t); }
    void setComment(const QByteArray& c) override { m_real.setComment(c); }
    void setFileList(const QString& l) override { m_real.setFileList(l); }
    void setStop(bool stop) override { m_real.setStop(stop); }
    int add() override
    {
        m_real.onAdding = onAdding;
        m_real.onStatus = onStatus;
        m_real.processPendingEvents = processPendingEvents;
        if (beforeAdd)
            beforeAdd();
        return m_real.add();
    }

private:
    LibzipComponent& m_real;
};

struct InteractiveRun : ::testing::Test {
    TempHome home;
    QuietSounds sounds;
    FakeNotifier notifier;
    QString driveE;
    std::unique_ptr<LibzipComponent> realZip;
    std::unique_ptr<AbortingZip> abortingZip;
    std::unique_ptr<Application> program;

    QByteArray oldPath = qgetenv("PATH");

    void TearDown() override { qputenv("PATH", oldPath); }
    void SetUp() override
    {
        // The archivers are found on the search path, as beside the program.
        qputenv("PATH", QByteArray(ZAVOK32_TEST_BIN_DIR) + ":" + oldPath);
        driveE = home.addExampleDrive(1200000, 7);
    }
    void start(ZipComponent* zip = nullptr)
    {
        Application::Options options = homeOptions(home, sounds);
        options.zip = zip;
        options.notifier = &notifier;
        program = std::make_unique<Application>(options);
        home.fileDialog.answers.push_back(QStringLiteral("e:\\demo.zvk"));
        QFile::copy(QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk", driveE + "/demo.zvk");
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&program->window());
        // File > Open: the script is read, checked and measured.
        program->window().setFocus();
        QTest::keyClick(&program->window(), Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(program->job().sourcePath(), "e:\\demo");
        ASSERT_TRUE(program->job().readyToRun()) << home.messages.texts().join("|").toStdString();
    }
    // Starts the job through a ZIP component that presses Abort as the second
    // ZIP's volume goes in (demo01.zip is made, volumes 2 and 3 stay), and runs.
    void runAbortingInTheSecondZip()
    {
        realZip = std::make_unique<LibzipComponent>(home.drives);
        abortingZip = std::make_unique<AbortingZip>(*realZip);
        start(abortingZip.get());
        abortingZip->beforeAdd = [this, adds = 0]() mutable {
            if (++adds == 4)
                QTest::mouseClick(program->window().runPage()->abortButton(), Qt::LeftButton);
        };
        QTest::keyClick(&program->window(), Qt::Key_R, Qt::ControlModifier);
    }
    QStringList zips() const { return QDir(driveE + "/zips").entryList({"*.zip"}, QDir::Files, QDir::Name); }

    // An archiver of the test's own in the application directory, found
    // before the real one.
    void scriptedArchiver(const QByteArray& body)
    {
        QFile file(home.home() + "/wrar");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Runs the job and presses the archiver window's Cancel once its output
    // shows `text`; true when it did.
    bool runAndCancelAfter(const QString& text)
    {
        bool cancelled = false;
        QTimer watch;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            ArchiverWindow* window = program->archiverConsole()->window();
            if (cancelled || !window || !window->output()->toPlainText().contains(text))
                return;
            EXPECT_EQ(QApplication::activeModalWidget(), window) << "nothing else takes input";
            EXPECT_TRUE(program->window().isMinimized());
            cancelled = true;
            QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
        });
        watch.start();
        QTest::keyClick(&program->window(), Qt::Key_R, Qt::ControlModifier);
        return cancelled;
    }
};

} // namespace

TEST_F(InteractiveRun, FromALoadedScriptThroughTheReportBackToTheSourcePage)
{
    start();
    MainWindow& window = program->window();
    EXPECT_EQ(window.windowTitle(), "Zavok32 - demo.zvk");
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);

    EXPECT_EQ(zips(), (QStringList{"demo01.zip", "demo02.zip", "demo03.zip"})) << home.messages.texts().join("|").toStdString() << " page " << int(window.navigation().visiblePage());
    EXPECT_TRUE(sounds.played.contains("rip.wav"));
    ReportWindow* report = program->reportPresenter()->window();
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(report->isVisible());
    EXPECT_EQ(report->windowTitle(), "Ripping complete");
    EXPECT_EQ(report->sourceValue(0), " e:\\demo");
    EXPECT_EQ(report->sourceValue(1), " Directory");
    EXPECT_EQ(report->finalValue(3), " 3");
    EXPECT_EQ(report->sourceLabel(1)->toolTip(), "Type:");
    EXPECT_TRUE(report->verdictLabel()->isVisible());
    EXPECT_EQ(report->verdictLabel()->text(), "Verified: 3 ZIPs and the set are sound");
    EXPECT_FALSE(window.isEnabled()) << "the report is the one window to work with";
    EXPECT_TRUE(window.page(PageId::Source)->isVisible() || window.navigation().visiblePage() == PageId::Source);

    QTest::mouseClick(report->okButton(), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(window.navigation().visiblePage(), PageId::Source);
    EXPECT_TRUE(window.action(MenuCommand::PageSource)->isChecked());
}

TEST_F(InteractiveRun, AbortDuringPackagingKeepsTheVolumesAndShowsNoReport)
{
    runAbortingInTheSecondZip();

    EXPECT_EQ(zips(), QStringList{"demo01.zip"});
    EXPECT_EQ(program->window().findChild<QLabel*>("runStatus")->text(), "Aborted");
    EXPECT_EQ(program->reportPresenter()->window(), nullptr);
    EXPECT_EQ(QDir(home.host("c:\\Zavok001")).entryList({"demo.r*"}, QDir::Files).size(), 2) << "volumes 2 and 3 stay";
    EXPECT_TRUE(program->window().listBar()->isEnabled());
}

TEST_F(InteractiveRun, CancelInTheArchiverWindowKeepsItsVolumesAndMakesNoZip)
{
    start();
    const QString work = home.home() + "/drive_c/Zavok001";
    scriptedArchiver("echo 'Creating archive demo.rar'\n"
                     "echo volume > '" + work.toLocal8Bit() + "/demo.rar'\n"
                     "printf 'Adding demo/data/levels.dat   30%%\\r'\n"
                     "exec sleep 30\n");
    ASSERT_TRUE(runAndCancelAfter("30%"));

    EXPECT_TRUE(zips().isEmpty());
    EXPECT_EQ(program->window().findChild<QLabel*>("runStatus")->text(), "Aborted");
    EXPECT_EQ(QDir(work).entryList({"demo.*"}, QDir::Files), QStringList{"demo.rar"}) << "what it wrote stays";
    ASSERT_EQ(home.messages.shown.size(), 1);
    const QString message = home.messages.shown[0].text;
    EXPECT_TRUE(message.contains("wrar was cancelled before the set was complete")) << message.toStdString();
    EXPECT_TRUE(message.contains("c:\\Zavok001")) << message.toStdString();
    EXPECT_FALSE(message.contains("terminal")) << "the user ended it and knows why";
    EXPECT_EQ(program->reportPresenter()->window(), nullptr);
    EXPECT_FALSE(program->window().isMinimized());
    EXPECT_TRUE(program->window().listBar()->isEnabled());
}

TEST_F(InteractiveRun, CancelBeforeTheFirstVolumeEndsTheRunAsAborted)
{
    start();
    scriptedArchiver("echo 'Creating archive demo.rar'\nexec sleep 30\n");
    ASSERT_TRUE(runAndCancelAfter("Creating"));

    EXPECT_TRUE(zips().isEmpty());
    EXPECT_EQ(program->window().findChild<QLabel*>("runStatus")->text(), "Aborted");
    EXPECT_TRUE(home.messages.shown.isEmpty()) << home.messages.texts().join("|").toStdString();
    EXPECT_EQ(program->reportPresenter()->window(), nullptr);
}

TEST_F(InteractiveRun, AbortShowsWhatIsLeftAndZavokContinuesTheRunAfterAsking)
{
    runAbortingInTheSecondZip();
    ASSERT_EQ(zips(), QStringList{"demo01.zip"});
    QLabel* left = program->window().findChild<QLabel*>("runLeft");
    ASSERT_TRUE(left && left->isVisible());
    EXPECT_TRUE(left->text().startsWith("1 of 3 ZIPs is complete in e:\\zips: demo01.zip.\n2 volumes (")) << left->text().toStdString();
    EXPECT_TRUE(left->text().endsWith("stay in c:\\Zavok001 (" + home.host("c:\\Zavok001") + ").\nZavok! continues the run."))
        << left->text().toStdString();
    const QDateTime firstMade = QFileInfo(driveE + "/zips/demo01.zip").lastModified();

    abortingZip->beforeAdd = nullptr;
    QTest::qWait(20);
    QTest::keyClick(&program->window(), Qt::Key_R, Qt::ControlModifier); // answered Yes
    ASSERT_FALSE(home.messages.shown.isEmpty());
    EXPECT_TRUE(home.messages.shown.last().text.startsWith("Continue the interrupted run? 1 of 3 ZIPs are done"));
    EXPECT_EQ(home.messages.shown.last().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(zips(), (QStringList{"demo01.zip", "demo02.zip", "demo03.zip"}));
    EXPECT_EQ(QFileInfo(driveE + "/zips/demo01.zip").lastModified(), firstMade) << "made once";
    EXPECT_FALSE(QDir(home.host("c:\\")).exists("Zavok001"));
    ASSERT_NE(program->reportPresenter()->window(), nullptr);
}

TEST_F(InteractiveRun, ClosingTheWindowAsksOnlyWhileARunGoesAndExitDoesNotAsk)
{
    LibzipComponent real(home.drives);
    AbortingZip zip(real);
    int adds = 0;
    start(&zip);
    EXPECT_TRUE(program->run()->confirmClose()) << "no run: the window just closes";
    EXPECT_TRUE(home.messages.shown.isEmpty());
    bool openAfterNo = false;
    zip.beforeAdd = [&] {
        ++adds;
        if (adds == 2) {
            home.messages.answers.push_back(MessageResult::No);
            program->window().close();
            openAfterNo = program->window().isVisible();
        } else if (adds == 4) { // the second ZIP's volume
            QTest::mouseClick(program->window().runPage()->exitButton(), Qt::LeftButton);
        }
    };
    QTest::keyClick(&program->window(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(openAfterNo);
    ASSERT_EQ(home.messages.shown.size(), 1) << home.messages.texts().join("|").toStdString();
    EXPECT_EQ(home.messages.shown[0].text, "A run is going. Stop it?");
    EXPECT_EQ(home.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(program->window().isVisible()) << "Exit closed it at once";
    EXPECT_EQ(zips(), QStringList{"demo01.zip"});
}

TEST_F(InteractiveRun, AFailedArchiverIsExplainedByWhatItPrinted)
{
    start();
    scriptedArchiver("echo 'Creating archive demo.rar'\n"
                     "echo 'Write error in demo.rar: no space left on device' >&2\n"
                     "exit 2\n");
    QTest::keyClick(&program->window(), Qt::Key_R, Qt::ControlModifier);

    EXPECT_TRUE(zips().isEmpty());
    ASSERT_EQ(home.messages.shown.size(), 1);
    const ShownMessage& told = home.messages.shown[0];
    EXPECT_TRUE(told.text.startsWith("The archiver wrar ended with exit status 2")) << told.text.toStdString();
    EXPECT_TRUE(told.text.contains("Show Details")) << told.text.toStdString();
    EXPECT_EQ(told.details, "Creating archive demo.rar\nWrite error in demo.rar: no space left on device");
    ArchiverWindow* left = program->archiverConsole()->window();
    ASSERT_NE(left, nullptr) << "its window stays until the user closes it";
    EXPECT_TRUE(left->output()->toPlainText().contains("no space left"));
    left->close();
}

TEST_F(InteractiveRun, TheWholeRunBarClimbsFromNothingToTheEndTheMinimisedTitleCarriesItAndTheDesktopIsTold)
{
    start();
    // The real archiver, after a few figures of its own.
    scriptedArchiver("for p in 20 50 80; do printf 'Adding demo/data/levels.dat  %3d%%\\r' $p; sleep 0.1; done\n"
                     "exec '" ZAVOK32_TEST_BIN_DIR "/wrar' \"$@\"\n");
    // A clock a hundred times fast: this run counts as a long one.
    QElapsedTimer real;
    real.start();
    program->run()->progress().setClock([&real] { return real.elapsed() * 100; });
    QList<int> values;
    QObject::connect(program->window().runPage()->wholeRunBar(), &QProgressBar::valueChanged,
                     [&values](int value) { values << value; });
    QStringList minimisedTitles;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!program->window().isMinimized())
            return;
        minimisedTitles << program->window().windowTitle();
        // The user works in another program's window meanwhile.
        QApplication::setActiveWindow(nullptr);
    });
    watch.start();
    QTest::keyClick(&program->window(), Qt::Key_R, Qt::ControlModifier);
    watch.stop();

    EXPECT_EQ(zips().size(), 3) << home.messages.texts().join("|").toStdString();
    ASSERT_GE(values.size(), 3) << "it moved on the way";
    EXPECT_LT(values.first(), 50);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end())) << "never back";
    EXPECT_EQ(values.last(), 100);
    EXPECT_EQ(program->window().findChild<QLabel*>("runTimes")->text().left(8), "Done in ");
    EXPECT_TRUE(std::any_of(minimisedTitles.begin(), minimisedTitles.end(),
                            [](const QString& t) { return t.contains("% - Zavok32 - demo.zvk"); }))
        << minimisedTitles.join("|").toStdString();
    EXPECT_EQ(notifier.shown, QStringList{"The set is ready: 3 ZIPs of demo in e:\\zips"});
    QTest::mouseClick(program->reportPresenter()->window()->okButton(), Qt::LeftButton);
}

TEST_F(InteractiveRun, TheSetItMadeChecksSoundAndEveryFaultShowsInTheCheckWindow)
{
    start();
    MainWindow& window = program->window();
    const auto trigger = [&](const QString& text) {
        for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
            if (action->text() == text) {
                EXPECT_TRUE(action->isEnabled()) << text.toStdString();
                action->trigger();
                return action;
            }
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return static_cast<QAction*>(nullptr);
    };
    // Both switches are ticked; a click unticks and remembers, another ticks again.
    QAction* verify = trigger("&Verify after packing");
    ASSERT_NE(verify, nullptr);
    EXPECT_FALSE(verify->isChecked());
    EXPECT_TRUE(QFile::exists(program->appDirHost() + "/verify.ini"));
    trigger("&Verify after packing");
    EXPECT_TRUE(verify->isChecked());
    EXPECT_TRUE(trigger("&Checksum files")->isChecked() == false);
    trigger("&Checksum files");

    // Options > Recovery files...: enough to rebuild any 2 ZIPs, remembered.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<RecoveryFilesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* zipsBox = dialog->findChild<QSpinBox*>("recoveryZips");
        EXPECT_FALSE(zipsBox->isEnabled()) << "none at first";
        QTest::mouseClick(dialog->findChild<QRadioButton*>("recoverySome"), Qt::LeftButton);
        ASSERT_TRUE(zipsBox->isEnabled());
        zipsBox->selectAll();
        QTest::keyClicks(zipsBox, "2");
        EXPECT_TRUE(dialog->findChild<QLabel*>("recoveryNote")->text().startsWith("About 2 times"));
        QTest::mouseClick(dialog->findChild<QPushButton*>("recoveryOk"), Qt::LeftButton);
    });
    trigger("&Recovery files...");
    EXPECT_EQ(program->appState().recoveryZips, 2);
    EXPECT_EQ(RecoveryOption::load(program->appDirHost()), 2);

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(zips(), (QStringList{"demo01.zip", "demo02.zip", "demo03.zip"}));
    ASSERT_TRUE(QFile::exists(driveE + "/zips/demo.sfv"));
    if (ReportWindow* report = program->reportPresenter()->window())
        QTest::mouseClick(report->okButton(), Qt::LeftButton);

    trigger("Chec&k a set...");
    CheckSetWindow* check = program->setCheck().window();
    ASSERT_NE(check, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(check));
    const auto click = [&](const char* name) {
        auto* button = check->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    };
    const auto rows = [&] {
        QStringList texts;
        for (int i = 0; i < check->list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = check->list()->topLevelItem(i);
            texts << item->text(0) + " " + item->text(1);
        }
        return texts;
    };
    home.fileDialog.answers.push_back(QStringLiteral("e:\\zips\\demo.sfv"));
    click("checkSetFile");
    EXPECT_EQ(home.fileDialog.requests.last().initialDir, "e:\\zips");
    EXPECT_EQ(rows().mid(0, 3), (QStringList{"demo01.zip sound", "demo02.zip sound", "demo03.zip sound"}));
    EXPECT_TRUE(rows().contains("demo.par2 sound")) << rows().join('|').toStdString();
    EXPECT_TRUE(check->summary()->text().startsWith("demo: all 3 ZIPs are sound")) << check->summary()->text().toStdString();
    EXPECT_FALSE(check->findChild<QPushButton*>("checkSetRepair")->isVisible());

    QFile::remove(driveE + "/zips/demo02.zip");
    QFile::resize(driveE + "/zips/demo03.zip", QFileInfo(driveE + "/zips/demo03.zip").size() / 2);
    click("checkSetAgain");
    EXPECT_EQ(rows().mid(0, 3), (QStringList{"demo01.zip sound", "demo02.zip missing", "demo03.zip damaged"}));
    EXPECT_EQ(check->list()->topLevelItem(2)->text(2), "cut short: its end is missing");
    EXPECT_EQ(check->summary()->text(), "demo: 3 ZIPs: 1 sound, 1 missing, 1 damaged; the volume set inside is not whole");
    // The recovery files can rebuild both: Repair does, and the check that
    // follows finds the set whole.
    click("checkSetRepair");
    EXPECT_EQ(rows().mid(0, 3), (QStringList{"demo01.zip sound", "demo02.zip sound", "demo03.zip sound"}));
    const QString told = check->summary()->text();
    EXPECT_TRUE(told.contains("demo02.zip  rebuilt\n") && told.contains("demo03.zip  rebuilt\n")) << told.toStdString();
    EXPECT_TRUE(QFile::exists(driveE + "/zips/demo03.zip.damaged"));
    EXPECT_FALSE(check->findChild<QPushButton*>("checkSetRepair")->isVisible());
    click("checkSetClose");
    QTest::qWait(20);
    EXPECT_EQ(program->setCheck().window(), nullptr);
}
