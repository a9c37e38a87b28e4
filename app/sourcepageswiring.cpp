#include "app/sourcepageswiring.h"

#include "app/application.h"
#include "source/folderselection.h"
#include "source/imagemode.h"
#include "source/outputmode.h"
#include "source/skiplist.h"
#include "source/sourcebrowse.h"
#include "source/workdrive.h"
#include "ui/mainwindow.h"
#include "ui/qtripintoquestion.h"
#include "ui/skippage.h"
#include "ui/sourcepage.h"

SourcePagesWiring::SourcePagesWiring(Application& program)
    : m_program(program)
{
    RipJob& job = program.job();
    ViewState& view = program.view();
    Services& services = program.services();

    RipIntoQuestion* question = program.options().ripInto;
    if (!question) {
        m_ownQuestion = std::make_unique<QtRipIntoQuestion>(&program.window());
        question = m_ownQuestion.get();
    }
    m_workDrive = std::make_unique<WorkDrive>(job, view, services);
    m_outputMode = std::make_unique<OutputMode>(job, view);
    m_imageMode = std::make_unique<ImageMode>(job, view, *m_outputMode);
    m_browse = std::make_unique<SourceBrowse>(job, services, program.folderSelection(), program.measurement(),
                                              *m_workDrive, *m_outputMode, *question);
    m_skipList = std::make_unique<SkipList>(job, services, program.folderSelection(), &view);

    m_workDrive->refreshDrives();
    connectSourcePage();
    connectSkipPage();
    connectScriptsAndStartup();
}

SourcePagesWiring::~SourcePagesWiring() = default;

void SourcePagesWiring::connectSourcePage()
{
    SourcePage* page = m_program.window().sourcePage();
    QObject::connect(page, &SourcePage::browseClicked, page, [this] { m_browse->browseSource(); });
    QObject::connect(page, &SourcePage::imageModeClicked, page,
                     [this](bool ticked) { m_imageMode->setImageMode(ticked); });
    QObject::connect(page, &SourcePage::workDriveChosen, page,
                     [this](const QString& item) { m_workDrive->itemChosen(item); });
}

void SourcePagesWiring::connectSkipPage()
{
    SkipPage* page = m_program.window().skipPage();
    QObject::connect(page, &SkipPage::subDirChosen, page, [this] { m_skipList->setKind(SkipList::Kind::SubDirectory); });
    QObject::connect(page, &SkipPage::fileChosen, page, [this] { m_skipList->setKind(SkipList::Kind::File); });
    QObject::connect(page, &SkipPage::browseClicked, page, [this] { m_skipList->addSkipEntry(); });
    QObject::connect(page, &SkipPage::clearClicked, page, [this] { m_skipList->clearSkipEntries(); });
}

void SourcePagesWiring::connectScriptsAndStartup()
{
    ScriptFile& scripts = m_program.scripts();
    scripts.setImageMode = [this](bool ticked) { m_imageMode->setImageMode(ticked); };
    scripts.scriptRead = [this] { m_imageMode->adoptScriptImage(*m_program.services().drives); };

    // The start-up's choice is a selection in the list, with the effects a
    // user's choice has; a drive refused for c does not count as chosen.
    m_program.startup().selectWorkDrive = [this](QChar letter) {
        if (!m_workDrive->selectDrive(letter))
            return false;
        const QString current = m_workDrive->currentItem();
        return !current.isEmpty() && current.at(0) == letter.toLower();
    };
}
