#include "app/driveswiring.h"

#include "app/application.h"
#include "app/sourcepageswiring.h"
#include "source/drivesetup.h"
#include "source/workdrive.h"
#include "ui/drivesdialog.h"
#include "ui/mainwindow.h"

DrivesWiring::DrivesWiring(Application& program)
    : m_program(program)
{
    program.window().openDrives = [this] { open(); };
}

DrivesWiring::~DrivesWiring()
{
    delete m_dialog.data();
}

DrivesDialog* DrivesWiring::dialog() const
{
    return m_dialog.data();
}

void DrivesWiring::open()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_setup = std::make_unique<DriveSetup>(m_program.driveMap(), *m_program.services().drives);
    m_setup->drivesChanged = [this] { m_program.sourcePages().workDrive().refreshDrives(); };
    m_dialog = new DrivesDialog(*m_setup, &m_program.window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->open();
}
