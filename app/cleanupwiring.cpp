#include "app/cleanupwiring.h"

#include "app/application.h"
#include "pipeline/cleanuplist.h"
#include "pipeline/riprun.h"
#include "platform/messagebox.h"
#include "resume/workfolder.h"
#include "ui/cleanupdialog.h"
#include "ui/mainwindow.h"

#include <QCoreApplication>

CleanUpWiring::CleanUpWiring(Application& program)
    : m_program(program)
{
    program.window().openCleanUp = [this] { open(); };
}

CleanUpWiring::~CleanUpWiring()
{
    delete m_dialog.data();
}

CleanUpDialog* CleanUpWiring::dialog() const
{
    return m_dialog.data();
}

void CleanUpWiring::open()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    if (m_program.run() && m_program.run()->running()) {
        m_program.services().messages->show(QCoreApplication::translate("CleanUpWiring", "Zavok32"),
                                            QCoreApplication::translate("CleanUpWiring", "A run is going. Clean up once it has ended."),
                                            MessageIcon::Information);
        return;
    }
    m_list = std::make_unique<CleanUpList>(*m_program.services().drives, *m_program.services().messages,
                                           m_program.appDirHost());
    m_list->refresh();
    m_dialog = new CleanUpDialog(*m_list, &m_program.window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->open();
}

void CleanUpWiring::mentionInterruptedRuns()
{
    ViewState& view = m_program.view();
    view.window.notice = CleanUpList::startupNotice(WorkFolder::onEveryDrive(*m_program.services().drives));
    view.notify();
}
