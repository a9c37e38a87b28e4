// The window as a whole, used as a user uses it: every enabled control of
// every page and menu does something, and a job set up with the window alone
// packs the same set as the script it saves.
#include "appdoubles.h"
#include "app/application.h"
#include "doubles/temphome.h"
#include "job/scriptfile.h"
#include "job/viewstate.h"
#include "ui/mainwindow.h"
#include "ui/menutable.h"
#include "ui/qtreportpresenter.h"
#include "ui/reportwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Counts the links the desktop is asked to open.
class UrlCounter : public QObject
{
    Q_OBJECT
public:
    int opened = 0;
public slots:
    void open(const QUrl&) { ++opened; }
};

QString flags(std::initializer_list<bool> values)
{
    QString text;
    for (bool v : values)
        text += v ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

// Everything of the view state a user can see.
QString describe(const ViewState& v)
{
    return QStringList{
        v.window.caption, flags({v.window.listBarEnabled, v.window.busyPointer, v.window.skipItemShown,
                                 v.window.skipMenuEnabled}),
        v.source.sizeLabel, v.source.freeSpaceLabel, flags({v.source.browseEnabled}),
        flags({v.skip.bodyEnabled}),
        flags({v.diz.filesEnabled, v.diz.numberingChoiceEnabled, v.diz.numberBoxesEnabled, v.diz.testEnabled,
               v.diz.labelsEnabled, v.diz.separatorShown}),
        flags({v.nfo.filesEnabled, v.nfo.extraChoicesEnabled, v.nfo.extraBrowseEnabled, v.nfo.firstZipOnlyEnabled,
               v.nfo.extraPanelGreyed, v.nfo.extraLabelEnabled}),
        v.zip.sizeCaption, v.zip.estimateCaption, v.zip.freeSpaceCaption,
        flags({v.zip.zipCompressionEnabled, v.zip.directoryBrowseEnabled, v.zip.directoryPanelGreyed,
               v.zip.zipLabelsEnabled}),
        v.run.status, v.run.zipName, v.run.counter, QString::number(v.run.progress)}
        .join(QLatin1Char('|'));
}

struct WholeWindow : ::testing::Test {
    TempHome home;
    QuietSounds sounds;
    FakeRipIntoQuestion question;
    UrlCounter links;
    QString driveE;
    std::unique_ptr<Application> program;
    QByteArray oldPath = qgetenv("PATH");

    void SetUp() override
    {
        // The archivers are found on the search path, as beside the program.
        qputenv("PATH", QByteArray(ZAVOK32_TEST_BIN_DIR) + ":" + oldPath);
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &links, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &links, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &links, "open");
        driveE = home.addExampleDrive(2300000, 99);
        home.write("e:\\extras\\map.txt", "an extra for every ZIP");
        home.write("e:\\extras\\more\\notes.txt", "and one in a folder");
        home.write("e:\\comment.txt", "A comment for every ZIP of the set\r\n");

        Application::Options options = homeOptions(home, sounds);
        options.ripInto = &question;
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath);
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        closeOtherWindows();
    }

    MainWindow& window() { return program->window(); }
    RipJob& job() { return program->job(); }

    template <typename T>
    T* find(const char* name)
    {
        T* widget = window().findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // A click where a user clicks: on a check box's or an option's box.
    static void click(QAbstractButton* button)
    {
        QPoint at = button->rect().center();
        QStyleOptionButton option;
        option.initFrom(button);
        if (qobject_cast<QCheckBox*>(button))
            at = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button).center();
        else if (qobject_cast<QRadioButton*>(button))
            at = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button).center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    void clickNamed(const char* name)
    {
        auto* button = find<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible()) << name;
        ASSERT_TRUE(button->isEnabled()) << name;
        click(button);
    }
    void type(const char* box, const QString& text)
    {
        auto* edit = find<QLineEdit>(box);
        ASSERT_TRUE(edit->isEnabled()) << box;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QApplication::setActiveWindow(&window());
        QTest::keyClick(&window(), Qt::Key(key), modifiers);
    }

    // What a click may change that a user notices: the job, the view, the
    // page, the dialogs and messages asked for, the sounds, the windows.
    QString observed()
    {
        const RipJob& j = job();
        QStringList parts{ScriptFile::scriptText(j, QDateTime(QDate(2000, 1, 1), QTime(0, 0))),
                          flags({j.imageMode(), j.archivesOnly(), j.useZipComment(), j.archiver() == Archiver::Ace}),
                          j.cuePath(), QString(j.workDrive()), describe(program->view()),
                          QString::number(int(window().navigation().visiblePage())),
                          window().navigation().title(),
                          QString::number(home.fileDialog.requests.size()),
                          QString::number(home.folderPicker.requests.size()),
                          QString::number(home.messages.shown.size()),
                          QString::number(home.textEditor.opened.size()),
                          QString::number(question.asked),
                          sounds.played.join(','),
                          QString::number(links.opened),
                          flags({window().isEnabled(), window().isVisible(), program->appState().soundsEnabled})};
        for (QAction* action : window().findChildren<QAction*>())
            parts << flags({action->isChecked()});
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &window() && top->isVisible() && !top->inherits("QMenu"))
                parts << top->metaObject()->className();
        }
        return parts.join(QStringLiteral("\n"));
    }
    // Every window a control opened besides the main one, closed again.
    void closeOtherWindows()
    {
        for (int round = 0; round < 3; ++round) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (program && top != &window() && top->isVisible())
                    top->close();
            }
            QTest::qWait(20);
        }
        if (program)
            window().setEnabled(true);
    }

    // A job that every control can work on: a source, a numbered description,
    // an information file, an extra folder, a ZIP folder and a name.
    void setUpInTheWindow()
    {
        // Source page.
        home.folderPicker.selections = {"e:\\demo"};
        home.folderPicker.answers = {QString("e:\\demo")};
        clickNamed("sourceBrowse");
        ASSERT_EQ(job().sourcePath(), "e:\\demo");
        // Diz page: the example's description, numbered at line 2, column 14.
        press(Qt::Key_D);
        home.fileDialog.answers = {QString("e:\\file_id.diz")};
        clickNamed("dizBrowse");
        clickNamed("dizSubstitute");
        type("dizColumn", "14");
        type("dizLine", "2");
        // Nfo page: the information file and an extra folder.
        press(Qt::Key_N);
        home.fileDialog.answers = {QString("e:\\demo.nfo")};
        clickNamed("nfoBrowse");
        clickNamed("extraDirectory");
        home.folderPicker.selections = {"e:\\extras"};
        home.folderPicker.answers = {QString("e:\\extras")};
        clickNamed("extraBrowse");
        // Options: the ZIP comment, chosen when it is switched on.
        home.fileDialog.answers = {QString("e:\\comment.txt")};
        window().action(MenuCommand::UseZipComment)->trigger();
        ASSERT_TRUE(job().useZipComment());
        // Zip page: 1. M volumes (one step down from 1.44 M), RAR, Good ZIPs,
        // the ZIP folder and the name.
        press(Qt::Key_Z);
        auto* bar = find<QScrollBar>("archiveSize");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Down);
        ASSERT_EQ(job().archiveSizeStep(), 2);
        clickNamed("rar");
        auto* zipLevel = find<QComboBox>("zipCompression");
        zipLevel->setFocus();
        QTest::keyClick(zipLevel, Qt::Key_Down);
        ASSERT_EQ(job().zipCompression(), 4);
        home.folderPicker.selections = {"e:\\zips"};
        home.folderPicker.answers = {QString("e:\\zips")};
        clickNamed("zipBrowse");
        type("zipBaseName", "Demo");
        ASSERT_EQ(job().zipDirectory(), "e:\\zips");
        ASSERT_EQ(job().zipBaseName(), "Demo");
    }

    // Entries of every ZIP of a folder, with their sizes and CRCs, as unzip
    // lists them (dates left out: the second run writes later).
    QStringList contents(const QString& folder)
    {
        QStringList lines;
        for (const QString& zip : QDir(folder).entryList({"*.zip"}, QDir::Files, QDir::Name)) {
            QProcess unzip;
            unzip.start("unzip", {"-v", folder + "/" + zip});
            unzip.waitForFinished(30000);
            lines << zip;
            for (const QString& line : QString::fromLocal8Bit(unzip.readAllStandardOutput()).split('\n')) {
                const QStringList f = line.simplified().split(' ');
                if (f.size() == 8 && f[6].size() == 8 && f[0] != QLatin1String("Length"))
                    lines << f[0] + " " + f[6] + " " + f[7];
            }
        }
        return lines;
    }
};

} // namespace

TEST_F(WholeWindow, EveryEnabledControlOfEveryPageAndMenuDoesSomething)
{
    setUpInTheWindow();
    QStringList inert;
    const QList<PageId> pages{PageId::Source, PageId::Skip, PageId::Diz, PageId::Nfo, PageId::Zip, PageId::About};
    for (PageId page : pages) {
        QWidget* widget = window().page(page);
        for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            closeOtherWindows();
            window().navigation().showPage(page);
            if (page == PageId::About)
                window().navigation().itemClicked(QStringLiteral("About"));
            QTest::qWait(5);
            if (!button->isVisible() || !button->isEnabled())
                continue;
            // An option already marked is not a command.
            if (qobject_cast<QRadioButton*>(button) && button->isChecked())
                continue;
            const QString before = observed();
            click(button);
            QTest::qWait(5);
            if (observed() == before)
                inert << QStringLiteral("%1 page: %2").arg(window().navigation().title(), button->text());
        }
    }
    closeOtherWindows();

    // Every menu item, by its action, but the two that end the program or
    // start the run, which the next test uses.
    for (QAction* action : window().findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu() || !action->isEnabled() || action->text().isEmpty())
            continue;
        if (action == window().action(MenuCommand::Exit) || action == window().action(MenuCommand::PageRun))
            continue;
        closeOtherWindows();
        // From a page the item does not name, so that a Page item shows one.
        window().navigation().itemClicked(QStringLiteral("About"));
        const QString before = observed();
        // A modal dialog is seen, and closed, from inside its own loop.
        QStringList modals;
        QTimer::singleShot(0, [&modals] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modals << modal->metaObject()->className();
                modal->close();
            }
        });
        action->trigger();
        QTest::qWait(5);
        if (observed() == before && modals.isEmpty())
            inert << QStringLiteral("menu: %1").arg(action->text());
    }
    EXPECT_TRUE(inert.isEmpty()) << inert.join(QStringLiteral("\n")).toStdString();
}

TEST_F(WholeWindow, AJobSetUpInTheWindowAlonePacksAndItsSavedScriptPacksTheSameSet)
{
    setUpInTheWindow();
    press(Qt::Key_R);
    ReportWindow* report = program->reportPresenter()->window();
    ASSERT_NE(report, nullptr) << home.messages.texts().join("|").toStdString();
    const QStringList made = QDir(driveE + "/zips").entryList({"*.zip"}, QDir::Files, QDir::Name);
    EXPECT_EQ(made, (QStringList{"demo01.zip", "demo02.zip", "demo03.zip"}));
    QTest::mouseClick(report->okButton(), Qt::LeftButton);
    QTest::qWait(20);

    // What each ZIP holds: the volume, the numbered description, the stamped
    // information file and the extra folder, with the comment.
    QProcess unzip;
    unzip.start("unzip", {"-l", driveE + "/zips/demo02.zip"});
    unzip.waitForFinished(30000);
    const QString listing = QString::fromLocal8Bit(unzip.readAllStandardOutput());
    for (const char* entry : {"demo.r00", "file_id.diz", "demo.nfo", "map.txt", "more/notes.txt"})
        EXPECT_TRUE(listing.contains(QLatin1String(entry))) << entry << "\n" << listing.toStdString();
    EXPECT_TRUE(listing.contains("A comment for every ZIP of the set")) << listing.toStdString();
    QProcess test;
    test.start("unzip", {"-t", "-q", driveE + "/zips/demo03.zip"});
    test.waitForFinished(30000);
    EXPECT_EQ(test.exitCode(), 0);

    // The same job, saved from the window and run unattended by the program,
    // packs the same set.
    window().activateWindow();
    home.fileDialog.answers = {QString("e:\\windowjob.zvk")};
    press(Qt::Key_V);
    ASSERT_TRUE(QFile::exists(driveE + "/windowjob.zvk"));
    const QStringList first = contents(driveE + "/zips");
    QDir(driveE).rename("zips", "first");
    QDir(driveE).mkpath("zips");

    QProcess unattended;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZAVOK32_HOME", home.home());
    unattended.setProcessEnvironment(env);
    unattended.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {"!e:\\windowjob.zvk"});
    ASSERT_TRUE(unattended.waitForFinished(120000));
    EXPECT_EQ(unattended.exitCode(), 0) << unattended.readAllStandardError().toStdString();
    EXPECT_EQ(contents(driveE + "/zips"), first);
}

#include "wholewindow_test.moc"
