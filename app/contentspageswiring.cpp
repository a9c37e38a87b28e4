#include "app/contentspageswiring.h"

#include "app/application.h"
#include "contents/nfofiles.h"
#include "contents/zipcomment.h"
#include "contents/zipstorage.h"
#include "source/folderselection.h"
#include "ui/mainwindow.h"
#include "ui/nfopage.h"
#include "ui/zippage.h"

ContentsPagesWiring::ContentsPagesWiring(Application& program)
    : m_program(program)
{
    RipJob& job = program.job();
    Services& services = program.services();
    const FolderPicker::SelectionHandler folderCheck = program.folderSelection().handler();
    m_nfoFiles = std::make_unique<NfoFiles>(job, program.view(), services, program.appDirHost(), folderCheck);
    m_zipComment = std::make_unique<ZipComment>(job, services, program.appDirHost());
    m_zipStorage = std::make_unique<ZipStorage>(job, program.view(), services, folderCheck);

    MainWindow& window = program.window();
    NfoFiles* nfo = m_nfoFiles.get();
    NfoPage* nfoPage = window.nfoPage();
    QObject::connect(nfoPage, &NfoPage::browseClicked, &m_receiver, [nfo] { nfo->browseNfo(); });
    QObject::connect(nfoPage, &NfoPage::createClicked, &m_receiver, [nfo] { nfo->createNfo(); });
    QObject::connect(nfoPage, &NfoPage::editClicked, &m_receiver, [nfo] { nfo->editNfo(); });
    QObject::connect(nfoPage, &NfoPage::extraChoiceClicked, &m_receiver,
                     [nfo](ExtraChoice choice) { nfo->markExtra(choice); });
    QObject::connect(nfoPage, &NfoPage::extraBrowseClicked, &m_receiver, [nfo] { nfo->browseExtra(); });

    ZipStorage* storage = m_zipStorage.get();
    QObject::connect(window.zipPage(), &ZipPage::browseClicked, &m_receiver, [storage] { storage->browse(); });

    ZipComment* comment = m_zipComment.get();
    window.toggleZipComment = [comment] { comment->toggle(); };
    window.openZipComment = [comment] { comment->open(); };
    window.viewZipComment = [comment] { comment->view(); };
}

ContentsPagesWiring::~ContentsPagesWiring()
{
    MainWindow& window = m_program.window();
    window.toggleZipComment = nullptr;
    window.openZipComment = nullptr;
    window.viewZipComment = nullptr;
}
