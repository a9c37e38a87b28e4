// Shows every page of the main window, the description editor, the "Ripping complete" report and the
// about window with a sample job, and saves each as a PNG, so anyone can look
// at the window without setting up a job. Run through tools/screenshots.sh.
#include "app/application.h"
#include "app/cleanupwiring.h"
#include "app/driveswiring.h"
#include "app/setcheckwiring.h"
#include "platform/libzipcomponent.h"
#include "job/recoveryfilespage.h"
#include "par2/recoverycreator.h"
#include "setcheck/filedigest.h"
#include "ui/recoveryfilesdialog.h"
#include "setcheck/setcheckpage.h"
#include "setcheck/sfvfile.h"
#include "setcheck/sha256file.h"
#include "ui/checksetwindow.h"
#include "app/sourcepageswiring.h"
#include "contents/fileineditor.h"
#include "job/pagenotices.h"
#include "job/scriptfile.h"
#include "pipeline/riprun.h"
#include "ui/listbar.h"
#include "ui/qtarchiverconsole.h"
#include "ui/qtmessagebox.h"
#include "ui/zippage.h"
#include "platform/consoletext.h"
#include "source/workdrive.h"
#include "ui/archiverwindow.h"
#include "ui/drivesdialog.h"
#include "contents/cp437screen.h"
#include "contents/zipsizestep.h"
#include "pipeline/runmessages.h"
#include "pipeline/runreport.h"
#include "platform/soundplayer.h"
#include "source/folderselection.h"
#include "source/sourcemeasurement.h"
#include "source/outputmode.h"
#include "platform/zipcrc.h"
#include "resume/runjournal.h"
#include "resume/workfolder.h"
#include "resume/zipfolders.h"
#include "ui/aboutwindow.h"
#include "ui/cleanupdialog.h"
#include "ui/folderpickerdialog.h"
#include "ui/isobinoptiondialog.h"
#include "translations/programtranslations.h"
#include "ui/mainwindow.h"
#include "ui/reportwindow.h"
#include "ui/sourcepage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>

namespace {

class Silent : public SoundPlayer
{
public:
    void play(const QString&, bool) override {}
};

void save(QWidget* widget, const QString& path)
{
    QTest::qWait(150);
    const QPixmap shot = widget->screen()->grabWindow(0, widget->frameGeometry().x(), widget->frameGeometry().y(),
                                                      widget->frameGeometry().width(), widget->frameGeometry().height());
    shot.save(path);
    std::printf("%s\n", qPrintable(path));
}

// The Diz page with numbering off and on, and the description editor with a
// box-drawn code page 437 description, then showing its numbering preview.
void shootDescriptions(Application& program, const QString& out)
{
    const auto editorWindow = [] () -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("descriptionEditor") && w->isVisible())
                return w;
        }
        return nullptr;
    };
    const auto click = [](QWidget& parent, const char* name) {
        if (auto* button = parent.findChild<QPushButton*>(QString::fromLatin1(name)); button && button->isEnabled())
            QTest::mouseClick(button, Qt::LeftButton);
    };
    MainWindow& window = program.window();
    RipJob& job = program.job();
    const QStringList art{
        QStringLiteral(" ▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄"),
        QStringLiteral(" █▓▓▒▒░░  Q U A K E   I I   ░░▒▒▓▓▓▓▓▓▓▓▓▓▓█"),
        QStringLiteral("╔═══════════════════════════════════════════╗"),
        QStringLiteral("║  id Software (c) 1997      ┌───────────┐  ║"),
        QStringLiteral("╟────────────────────────────┤ FULL GAME ├──╢"),
        QStringLiteral("║  Genre ....: shooter       └───────────┘  ║"),
        QStringLiteral("║  Disks ....: xx/xx                        ║"),
        QStringLiteral("║  Notes ....: café crème, naïve, Ångström  ║"),
        QStringLiteral("╚═══════════════════════════════════════════╝"),
        QStringLiteral("   ■ packed with Zavok32 ■  ±5% ≈ ½ ² ∞ ☺ ♥"),
    };
    const int numberLine = 6;
    // The description on a drive d: of its own, where the sample job has it.
    const QByteArray bytes = Cp437Screen::fromScreen(art.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    const QString home = program.appDirHost();
    QDir(home).mkpath(QStringLiteral("temp"));
    QDir(home).mkpath(QStringLiteral("shots_d/games/quake2"));
    DriveMap(home).mapDrive(QLatin1Char('d'), home + QStringLiteral("/shots_d"));
    for (const QString& name : {QStringLiteral("/temp/file_id.diz"), QStringLiteral("/shots_d/games/quake2/file_id.diz")}) {
        QFile file(home + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    window.showPage(PageId::Diz);
    job.setAutoNumbering(false);
    save(&window, out + QStringLiteral("/3-diz-numbering-off.png"));
    job.setDizPath(QStringLiteral("d:\\games\\quake2\\file_id.diz"));
    job.setAutoNumbering(true);
    job.setDizLine(QString::number(numberLine + 1));
    job.setDizColumn(QString::number(art[numberLine].indexOf(QStringLiteral("xx/xx")) + 1));
    save(&window, out + QStringLiteral("/3-diz-numbering-on.png"));

    click(window, "dizEdit");
    if (QWidget* editor = editorWindow()) {
        editor->move(90, 70);
        save(editor, out + QStringLiteral("/3-diz-editor.png"));
        editor->close();
    }
    click(window, "dizTest");
    if (QWidget* editor = editorWindow()) {
        editor->move(90, 70);
        save(editor, out + QStringLiteral("/3-diz-preview.png"));
        click(*editor, "descriptionOk");
    }
    QTest::qWait(50);
}

// The Nfo and Zip pages as a CD image job shows them, into ZIPs and then
// archives only, with the enable states the output mode leaves.
void saveContentsPages(Application& program, const QString& out)
{
    RipJob& job = program.job();
    ViewState& view = program.view();
    MainWindow& window = program.window();
    job.setImageMode(true);
    job.setSourcePath(QStringLiteral("e:\\images\\quake2.iso"));
    job.setSourceMegabytes(412.0f);
    job.setArchiveSizeStep(20); // 10,000,000-byte volumes
    job.setArchiver(Archiver::Ace);
    job.chooseExtra(ExtraChoice::File);
    job.setExtraPath(QStringLiteral("d:\\games\\quake2\\install.txt"));
    job.setFirstZipOnly(1);
    job.setZipDirectory(QStringLiteral("c:\\zips"));
    view.zip.freeSpaceCaption = QCoreApplication::translate("Captions", "Free space %1 M").arg(QStringLiteral(" 2781"));
    view.notify();
    for (PageId page : {PageId::Nfo, PageId::Zip}) {
        window.showPage(page);
        save(&window, out + (page == PageId::Nfo ? QStringLiteral("/4-nfo-image-zips.png")
                                                 : QStringLiteral("/5-zip-image-zips.png")));
    }

    job.setArchivesOnly(true);
    job.chooseExtra(ExtraChoice::Neither);
    job.setExtraPath(QString());
    job.setFirstZipOnly(0);
    job.setZipDirectory(QString());
    view.nfo.extraChoicesEnabled = false;
    view.nfo.extraBrowseEnabled = false;
    view.nfo.firstZipOnlyEnabled = false;
    view.nfo.extraLabelEnabled = false;
    view.nfo.extraPanelGreyed = true;
    view.zip.zipCompressionEnabled = false;
    view.zip.directoryBrowseEnabled = false;
    view.zip.directoryPanelGreyed = true;
    view.zip.zipLabelsEnabled = false;
    view.zip.freeSpaceCaption = QCoreApplication::translate("ViewState", "Free space: ");
    view.notify();
    for (PageId page : {PageId::Nfo, PageId::Zip}) {
        window.showPage(page);
        save(&window, out + (page == PageId::Nfo ? QStringLiteral("/4-nfo-archives-only.png")
                                                 : QStringLiteral("/5-zip-archives-only.png")));
    }
}

// The Source and Skip pages in each of their modes (folder, CD image, CD
// image to archives only), the question an image asks, and the folder picker.
void saveSourcePages(Application& program, const QString& out)
{
    MainWindow& window = program.window();
    RipJob& job = program.job();
    ViewState& view = program.view();
    const auto shoot = [&](PageId page, const char* name) {
        window.showPage(page);
        save(&window, out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    };
    // Earlier shots leave an image job behind: back to a folder, as a user
    // would go, by the switch.
    if (job.imageMode())
        window.sourcePage()->imageModeBox()->click();
    job.setSourcePath(QStringLiteral("d:\\games\\quake2"));
    job.setSkipEntries(QStringLiteral("baseq2\\save\\*.*\r\nreadme.txt\r\n"));
    view.source.sizeLabel = SourceMeasurement::folderSizeLabel(181234567);
    view.notify();
    shoot(PageId::Source, "10-source-folder");
    shoot(PageId::Skip, "11-skip-folder");

    // Ticked for real, so the list bar and the Page menu change as they do.
    window.sourcePage()->imageModeBox()->click();
    job.setSourcePath(QStringLiteral("d:\\cd\\quake2.bin"));
    job.setCuePath(QStringLiteral("d:\\cd\\quake2.cue"));
    view.source.sizeLabel = SourceMeasurement::imageSizeLabel(688128000);
    view.notify();
    shoot(PageId::Source, "12-source-image");
    shoot(PageId::Skip, "13-skip-image");

    job.setArchivesOnly(true);
    OutputMode(job, view).apply(true);
    shoot(PageId::Source, "14-source-archives-only");
    shoot(PageId::Skip, "15-skip-archives-only");

    IsoBinOptionDialog question;
    question.move(window.frameGeometry().center() - question.rect().center());
    question.show();
    question.intoZipsOption()->setChecked(true);
    save(&question, out + QStringLiteral("/16-iso-bin-option.png"));
    question.close();

    FolderSelection selection(*program.services().drives);
    selection.setSourceBrowseIsFolder(true);
    FolderPickerDialog picker(*program.services().drives, {QCoreApplication::translate("SourceBrowse", "Source directory"), QStringLiteral("desktop"), {}},
                              selection.handler());
    picker.move(120, 60);
    picker.show();
    picker.tree()->setCurrentItem(picker.tree()->topLevelItem(0));
    picker.tree()->topLevelItem(0)->setExpanded(true);
    save(&picker, out + QStringLiteral("/17-folder-picker.png"));
    picker.close();
}

// Options > Drives with a folder drive, one without its medium and the
// volumes of this machine; then the archiver's window part-way through a set.
void saveDrivesAndArchiver(Application& program, const QString& out)
{
    const QString games = program.appDirHost() + QStringLiteral("/Games");
    QDir().mkpath(games);
    program.driveMap().mapDrive(QLatin1Char('d'), games);
    program.driveMap().mapDrive(QLatin1Char('e'), QStringLiteral("/media/cdrom"));
    program.sourcePages().workDrive().refreshDrives();
    program.drivesWiring().open();
    if (DrivesDialog* dialog = program.drivesWiring().dialog()) {
        dialog->move(100, 80);
        auto* table = dialog->findChild<QTreeWidget*>(QStringLiteral("driveTable"));
        table->setCurrentItem(table->topLevelItem(1));
        save(dialog, out + QStringLiteral("/18-drives-dialog.png"));
        dialog->close();
    }

    ConsoleText text;
    text.feed("\nwrar: multi-volume archive\n\n"
              "Creating archive c:\\Zavok001\\quake2.rar\n\n"
              "Adding    d:\\games\\quake2\\baseq2\\pak0.pak              OK \n"
              "Adding    d:\\games\\quake2\\baseq2\\pak1.pak         ");
    text.feed("  5%\r");
    text.feed("Adding    d:\\games\\quake2\\baseq2\\pak1.pak          42%");
    ArchiverWindow archiver(ConsoleText::titleOf({QStringLiteral("wrar.exe"), QStringLiteral("a"), QStringLiteral("-v1440000b"),
                                                  QStringLiteral("c:\\Zavok001\\quake2.rar")}));
    archiver.setWindowModality(Qt::NonModal);
    archiver.showOutput(text.lines(), text.percent());
    archiver.move(160, 120);
    archiver.show();
    save(&archiver, out + QStringLiteral("/19-archiver-window.png"));
    archiver.hide();
}

// What a stop leaves: the run page after Abort, the start-up notice about
// the work folders of interrupted runs, and Options > Clean up listing them
// beside an unfinished ZIP.
void saveInterruptedRuns(Application& program, const QString& out)
{
    MainWindow& window = program.window();
    const QString c = program.appDirHost() + QStringLiteral("/drive_c");
    const auto put = [](const QString& path, qint64 size) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.resize(size);
    };
    // A run stopped at ZIP 68 of 126, and one whose archiver was killed.
    RunJournal whole;
    whole.started = QDateTime::currentDateTimeUtc();
    whole.begun = whole.started;
    whole.settings = {{QStringLiteral("zip-folder"), QStringLiteral("c:\\zips")}, {QStringLiteral("base-name"), QStringLiteral("quake2")}};
    whole.setWhole = true;
    for (int n = 1; n <= 126; ++n) {
        const QString name = n == 1 ? QStringLiteral("quake2.001") : QStringLiteral("quake2.%1").arg(n, 3, 10, QLatin1Char('0'));
        put(c + QStringLiteral("/Zavok001/") + name, 1440000);
        whole.volumes << *WorkFolder::volumeNow(c + QStringLiteral("/Zavok001"), name);
    }
    for (int n = 1; n <= 67; ++n) {
        const QString zip = QStringLiteral("quake2%1.zip").arg(n, 3, 10, QLatin1Char('0'));
        put(c + QStringLiteral("/zips/") + zip, 1200000 + n);
        whole.zips << RunJournal::Zip{n, zip, 1200000 + n, *zipcrc::ofFile(c + QStringLiteral("/zips/") + zip)};
        QFile::remove(c + QStringLiteral("/Zavok001/") + whole.volumes[n - 1].name);
    }
    whole.write(c + QStringLiteral("/Zavok001"));
    RunJournal open = whole;
    open.setWhole = false;
    open.volumes.clear();
    open.zips.clear();
    open.settings = {{QStringLiteral("zip-folder"), QStringLiteral("c:\\zips")}, {QStringLiteral("base-name"), QStringLiteral("doom")}};
    for (const char* name : {"doom.rar", "doom.r00", "doom.r01"})
        put(c + QStringLiteral("/Zavok002/") + QLatin1String(name), 1440000);
    open.write(c + QStringLiteral("/Zavok002"));
    put(c + QStringLiteral("/zips/quake2068.zip.unfinished-Xq3fTa"), 734003);
    zipfolders::remember(program.appDirHost(), QStringLiteral("c:\\zips"));

    Leftovers left = WorkFolder::onDrive(QLatin1Char('c'), *program.services().drives).value(0).leftovers();
    left.zipDirectory = QStringLiteral("c:\\zips");
    left.continuable = true;
    program.view().run.status = QCoreApplication::translate("RipRun", "Aborted");
    program.view().run.zipName.clear();
    program.view().run.counter = QStringLiteral(" 68 of 126");
    // Abort leaves the bars where the run was and the time it took.
    program.view().run.progress = 42;
    program.view().wholeRun = WholeRunView{};
    program.view().wholeRun.percent = 53;
    program.view().wholeRun.elapsedMs = 95000;
    program.view().run.left = left.pageText();
    program.view().notify();
    window.showPage(PageId::Run);
    save(&window, out + QStringLiteral("/6-run-after-abort.png"));
    program.view().run.left.clear();
    program.view().run.status.clear();
    program.view().notify();

    program.cleanUp().mentionInterruptedRuns();
    window.showPage(PageId::Source);
    save(&window, out + QStringLiteral("/30-startup-notice.png"));
    program.view().window.notice.clear();
    program.view().notify();

    program.cleanUp().open();
    if (CleanUpDialog* dialog = program.cleanUp().dialog()) {
        dialog->move(90, 90);
        save(dialog, out + QStringLiteral("/31-clean-up.png"));
        dialog->close();
    }
}

// A message box as the program shows it, open without waiting for it, with
// its details opened when it has any.
void saveMessage(const QString& title, const QString& text, MessageIcon icon, const QString& details,
                 MessageButtons buttons, const QString& path)
{
    QMessageBox box;
    QtMessageBox::prepare(box, title, text, details, icon, buttons);
    box.move(140, 100);
    box.show();
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) == QMessageBox::ActionRole)
            button->click(); // "Show Details..."
    }
    save(&box, path);
    box.close();
}

// What the user is told: the run page during a run, a failed archiver's
// message and its window, the notices of refused commands, the name hint,
// the questions of Save; and the keyboard focus in the list bar and on the
// size bar.
void saveExplanations(Application& program, const QString& out)
{
    MainWindow& window = program.window();
    RipJob& job = program.job();
    ViewState& view = program.view();
    view.run.status = QStringLiteral("quake2.r07");
    view.run.zipName = QStringLiteral("quake209.zip");
    view.run.counter = QStringLiteral(" 9 of 126");
    view.run.progress = 42;
    view.wholeRun.running = true;
    view.wholeRun.percent = 53;
    view.wholeRun.elapsedMs = 95000;
    view.wholeRun.remainingMs = 84000;
    view.notify();
    window.showPage(PageId::Run);
    save(&window, out + QStringLiteral("/20-run-page-running.png"));
    view.wholeRun = WholeRunView{};

    ProcessEnd failed = ProcessEnd::exited(QStringLiteral("wrar.exe"), 2);
    failed.lastLines = QStringList{QStringLiteral("wrar: multi-volume archive"), QString(),
                                   QStringLiteral("Creating archive c:\\Zavok001\\quake2.rar"), QString(),
                                   QStringLiteral("Adding    d:\\games\\quake2\\baseq2\\pak0.pak              OK"),
                                   QStringLiteral("Adding    d:\\games\\quake2\\baseq2\\pak1.pak          42%"),
                                   QStringLiteral("wrar: cannot write c:\\Zavok001\\quake2.r05: No space left on device")};
    saveMessage(QStringLiteral("Zavok32 error"),
                runmessages::archiverFailure(failed, 5, QStringLiteral("c:\\Zavok001"),
                                             QStringLiteral("/home/ann/.local/share/zavok32/drive_c/Zavok001"), false),
                MessageIcon::Stop, failed.lastLines.join(QLatin1Char('\n')), MessageButtons::Ok,
                out + QStringLiteral("/21-archiver-failed-message.png"));
    ArchiverWindow archiver(ConsoleText::titleOf({QStringLiteral("wrar.exe"), QStringLiteral("a"),
                                                  QStringLiteral("c:\\Zavok001\\quake2.rar")}));
    archiver.showOutput(failed.lastLines, 42);
    archiver.showEnded(QtArchiverConsole::endedText(failed));
    archiver.move(160, 120);
    archiver.show();
    save(&archiver, out + QStringLiteral("/22-archiver-window-failed.png"));
    archiver.close();

    // Zavok! with no source: the run goes to the Source page and says why.
    const QString source = job.sourcePath();
    if (job.imageMode())
        window.sourcePage()->imageModeBox()->click();
    job.setSourcePath(QString());
    window.runCommand(MenuCommand::PageRun);
    save(&window, out + QStringLiteral("/23-refused-no-source.png"));
    job.setSourcePath(QStringLiteral("d:\\games\\quake2"));
    PageNotices::set(view, PageId::Skip, PageNotices::skipSourceItselfText());
    window.showPage(PageId::Skip);
    save(&window, out + QStringLiteral("/24-refused-skip-source-itself.png"));
    PageNotices::clearAll(view);

    job.setArchiveSizeStep(0);
    job.setZipBaseName(QStringLiteral("mygames"));
    job.setArchiveSizeStep(3);
    window.showPage(PageId::Zip);
    save(&window, out + QStringLiteral("/25-zip-name-cut.png"));

    saveMessage(QStringLiteral("Zavok32 error"),
                FileInEditor::cannotStartText(QStringLiteral("/home/ann/.local/share/zavok32/temp/About.nfo")),
                MessageIcon::Exclamation, {}, MessageButtons::Ok, out + QStringLiteral("/26-no-text-editor.png"));
    saveMessage(QStringLiteral("Zavok32"), ScriptFile::replaceQuestion(QStringLiteral("c:\\scripts\\quake2.zvk")),
                MessageIcon::Exclamation, {}, MessageButtons::OkCancel,
                out + QStringLiteral("/27-save-replace-question.png"));

    QApplication::setActiveWindow(&window);
    window.showPage(PageId::Diz);
    window.listBar()->list(ListGroup::Main)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.listBar()->list(ListGroup::Main), Qt::Key_Down);
    save(&window, out + QStringLiteral("/28-focus-list-bar.png"));
    window.showPage(PageId::Zip);
    window.zipPage()->findChild<QScrollBar*>(QStringLiteral("archiveSize"))->setFocus(Qt::TabFocusReason);
    save(&window, out + QStringLiteral("/29-focus-size-bar.png"));
    job.setSourcePath(source);
}

// Fusion with the dark colours a dark desktop theme gives, so the window can
// be judged in both.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), disabled(128, 128, 128);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(100, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(170, 140, 255));
    p.setColor(QPalette::Highlight, QColor(61, 142, 201));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(75, 75, 80));
    p.setColor(QPalette::Midlight, QColor(60, 60, 64));
    p.setColor(QPalette::Mid, QColor(40, 40, 42));
    p.setColor(QPalette::Dark, QColor(20, 20, 22));
    p.setColor(QPalette::Shadow, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

// A set of six ZIPs as a run leaves them, on drive f:, checked whole; then
// the same set with one ZIP gone and another cut short.
void saveCheckSet(Application& program, const QString& out)
{
    const QString sets = program.appDirHost() + QStringLiteral("/Sets");
    const QString staging = sets + QStringLiteral("/staging");
    QDir().mkpath(staging);
    program.driveMap().mapDrive(QLatin1Char('f'), sets);
    LibzipComponent writer(*program.services().drives);
    QList<ChecksumItem> items;
    for (int n = 1; n <= 6; ++n) {
        const QString volume = n == 1 ? QStringLiteral("quake2.rar") : QStringLiteral("quake2.r0%1").arg(n - 2);
        QFile v(staging + QLatin1Char('/') + volume);
        v.open(QIODevice::WriteOnly);
        QByteArray bytes(40000, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7 + n * 13) ^ (i >> 5));
        v.write(bytes);
        v.close();
        QFile diz(staging + QStringLiteral("/file_id.diz"));
        diz.open(QIODevice::WriteOnly);
        diz.write("Quake II\r\nDisk 0" + QByteArray::number(n) + "/06\r\n");
        diz.close();
        writer.setTarget(QStringLiteral("f:\\quake20") + QString::number(n));
        writer.setFileList(QStringLiteral("f:\\staging\\") + volume + QStringLiteral("\rf:\\staging\\file_id.diz\r"));
        writer.add();
        const QString name = QStringLiteral("quake20%1.zip").arg(n);
        const FileDigest digest = FileDigest::of(sets + QLatin1Char('/') + name);
        items << ChecksumItem{name, digest.crc, digest.sha256};
    }
    QDir(staging).removeRecursively();
    // Recovery files enough for any two, listed after the ZIPs as a run lists them.
    QStringList zipNames;
    for (const ChecksumItem& item : items)
        zipNames << item.name;
    RecoveryCreator::Options recovery;
    recovery.rebuildableFiles = 2;
    for (const QString& file : RecoveryCreator::create(sets, zipNames, QStringLiteral("quake2"), recovery).files) {
        const FileDigest digest = FileDigest::of(file);
        items << ChecksumItem{QFileInfo(file).fileName(), digest.crc, digest.sha256};
    }
    QFile sfv(sets + QStringLiteral("/quake2.sfv"));
    sfv.open(QIODevice::WriteOnly);
    sfv.write(SfvFile::write(items, QStringLiteral("Zavok32"), QDateTime::currentDateTime()));
    sfv.close();
    QFile sha(sets + QStringLiteral("/quake2.sha256"));
    sha.open(QIODevice::WriteOnly);
    sha.write(Sha256File::write(items));
    sha.close();

    program.setCheck().open();
    CheckSetWindow* window = program.setCheck().window();
    if (!window)
        return;
    window->move(80, 60);
    program.setCheck().page()->check(QStringLiteral("f:\\quake2.sfv"));
    save(window, out + QStringLiteral("/32-check-set-sound.png"));
    QFile::remove(sets + QStringLiteral("/quake203.zip"));
    QFile damaged(sets + QStringLiteral("/quake205.zip"));
    damaged.open(QIODevice::ReadWrite);
    damaged.seek(damaged.size() / 2);
    char byte = 0;
    damaged.getChar(&byte);
    damaged.seek(damaged.size() / 2);
    damaged.putChar(char(byte ^ 0x10));
    damaged.close();
    program.setCheck().page()->checkAgain();
    save(window, out + QStringLiteral("/33-check-set-faults.png"));
    program.setCheck().page()->repairSet();
    save(window, out + QStringLiteral("/35-check-set-repaired.png"));
    window->close();

    AppState state;
    state.recoveryZips = 2;
    RecoveryFilesPage page(state, program.appDirHost());
    RecoveryFilesDialog dialog(page);
    dialog.move(120, 120);
    dialog.show();
    save(&dialog, out + QStringLiteral("/34-recovery-files.png"));
    dialog.close();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    // As the program does: LANG=de_DE.UTF-8 takes the window in German.
    const ProgramTranslations translations;
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc > 2 && QByteArray(argv[2]) == "dark")
        QApplication::setPalette(darkPalette());
    QDir().mkpath(out);
    Silent silent;
    Application::Options options;
    options.sounds = &silent;
    Application program(options);
    program.load(QString());
    RipJob& job = program.job();
    job.setSourcePath(QStringLiteral("d:\\games\\quake2"));
    job.setSkipEntries(QStringLiteral("baseq2\\save*\r\nreadme.txt\r\n"));
    job.setDizPath(QStringLiteral("d:\\games\\quake2\\file_id.diz"));
    job.setAutoNumbering(true);
    job.setDizColumn(QStringLiteral("30"));
    job.setDizLine(QStringLiteral("2"));
    job.setNfoPath(QStringLiteral("d:\\games\\quake2\\quake2.nfo"));
    job.chooseExtra(ExtraChoice::Directory);
    job.setExtraPath(QStringLiteral("d:\\games\\extras"));
    job.setZipDirectory(QStringLiteral("c:\\zips"));
    job.setZipBaseName(QStringLiteral("quake2"));
    job.setSourceMegabytes(181.0f);
    program.sizeStep().stepChanged();
    program.view().zip.freeSpaceCaption = QCoreApplication::translate("Captions", "Free space %1 M").arg(QStringLiteral(" 2781"));
    program.view().source.sizeLabel = SourceMeasurement::folderSizeLabel(181234567);
    program.view().run.status = QStringLiteral("quake2.r07");
    program.view().run.zipName = QStringLiteral("quake209.zip");
    program.view().run.counter = QStringLiteral(" 9 of 126");
    program.view().run.progress = 42;
    program.view().window.caption = QStringLiteral("Zavok32 - quake2.zvk");
    program.view().notify();

    MainWindow& window = program.window();
    window.move(40, 40);
    window.show();
    const QList<std::pair<PageId, const char*>> pages{
        {PageId::Source, "1-source"}, {PageId::Skip, "2-skip"}, {PageId::Diz, "3-diz"}, {PageId::Nfo, "4-nfo"},
        {PageId::Zip, "5-zip"}, {PageId::Run, "6-run"}};
    for (const auto& [page, name] : pages) {
        window.showPage(page);
        save(&window, out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }
    shootDescriptions(program, out);
    saveContentsPages(program, out);
    window.navigation().itemClicked(QStringLiteral("About"));
    save(&window, out + QStringLiteral("/7-about-page.png"));

    ReportWindow report;
    // The sample's values as a run gives them, in the language of the locale.
    const auto tr = [](const char* context, const char* text) { return QCoreApplication::translate(context, text); };
    const QString normal = QLatin1Char(' ') + tr("RipJob", "Normal");
    report.setSourceValues({QStringLiteral(" d:\\games\\quake2"), QLatin1Char(' ') + tr("RipJob", "Directory"),
                            QStringLiteral(" 181 M")});
    report.setFinalValues({tr("RunReport", " Rar's into zip's"), QStringLiteral(" 1.44 M"), QStringLiteral(" c:\\zips"),
                           QStringLiteral(" 126"), QStringLiteral(" 181 M"), normal, normal});
    report.setVerdict(tr("SetProof", "Verified: %1 and the set are sound").arg(tr("SetProof", "%1 ZIPs").arg(126))
                      + QStringLiteral("; ")
                      + tr("FloppyFit", "every ZIP fits a 1.44 MB floppy (the largest, %1, has %2 bytes)")
                            .arg(QStringLiteral("quake201.zip"), QStringLiteral("1,441,206")));
    report.move(700, 60);
    report.show();
    save(&report, out + QStringLiteral("/8-report.png"));
    report.close();

    AboutWindow about;
    about.move(120, 120);
    about.show();
    save(&about, out + QStringLiteral("/9-about-window.png"));
    about.close();

    saveSourcePages(program, out);
    saveDrivesAndArchiver(program, out);
    saveInterruptedRuns(program, out);
    saveExplanations(program, out);
    saveCheckSet(program, out);
    window.close();
    return 0;
}
