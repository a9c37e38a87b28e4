#pragma once

#include <QPointer>
#include <memory>

class Application;
class DriveSetup;
class DrivesDialog;

// Options > Drives: opens the Drives dialog over the main window and, after
// every change of the links, fills the Source page's drive list again (the
// folder pickers and file dialogs read the drives each time they open).
class DrivesWiring
{
public:
    explicit DrivesWiring(Application& program);
    ~DrivesWiring();

    DrivesWiring(const DrivesWiring&) = delete;
    DrivesWiring& operator=(const DrivesWiring&) = delete;

    // The menu item: a second call brings the open dialog to the front.
    void open();
    // The open dialog; null when none is open.
    DrivesDialog* dialog() const;

private:
    Application& m_program;
    std::unique_ptr<DriveSetup> m_setup;
    QPointer<DrivesDialog> m_dialog;
};
