// Shows every page of the main window, the "Ripping complete" report and the
// about window with a sample job, and saves each as a PNG, so anyone can look
// at the window without setting up a job. Run through tools/screenshots.sh.
#include "app/application.h"
#include "pipeline/runreport.h"
#include "platform/soundplayer.h"
#include "source/folderselection.h"
#include "source/outputmode.h"
#include "ui/aboutwindow.h"
#include "ui/folderpickerdialog.h"
#include "ui/isobinoptiondialog.h"
#include "ui/mainwindow.h"
#include "ui/reportwindow.h"
#include "ui/sourcepage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
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
    shoot(PageId::Source, "10-source-folder");
    shoot(PageId::Skip, "11-skip-folder");

    // Ticked for real, so the list bar and the Page menu change as they do.
    window.sourcePage()->imageModeBox()->click();
    job.setSourcePath(QStringLiteral("d:\\cd\\quake2.bin"));
    job.setCuePath(QStringLiteral("d:\\cd\\quake2.cue"));
    view.source.sizeLabel = QStringLiteral("688,128,000 Total bytes");
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
    FolderPickerDialog picker(*program.services().drives, {QStringLiteral("Source directory"), QStringLiteral("desktop"), {}},
                              selection.handler());
    picker.move(120, 60);
    picker.show();
    picker.tree()->setCurrentItem(picker.tree()->topLevelItem(0));
    picker.tree()->topLevelItem(0)->setExpanded(true);
    save(&picker, out + QStringLiteral("/17-folder-picker.png"));
    picker.close();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
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
    program.view().source.sizeLabel = QStringLiteral("181,234,567 Total bytes");
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
    window.navigation().itemClicked(QStringLiteral("About"));
    save(&window, out + QStringLiteral("/7-about-page.png"));

    ReportWindow report;
    report.setSourceValues({QStringLiteral(" d:\\games\\quake2"), QStringLiteral(" Directory"), QStringLiteral(" 181 M")});
    report.setFinalValues({QStringLiteral(" Rar's into zip's"), QStringLiteral(" 1.44 M"), QStringLiteral(" c:\\zips"),
                           QStringLiteral(" 126"), QStringLiteral(" 181 M"), QStringLiteral(" Normal"),
                           QStringLiteral(" Normal")});
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
    window.close();
    return 0;
}
