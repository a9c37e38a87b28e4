#pragma once

#include <QPointer>
#include <memory>

class Application;
class CleanUpDialog;
class CleanUpList;

// Options > "Clean up...", and the word at start-up about work folders that
// interrupted runs left: the dialog over the main window, fed by CleanUpList.
class CleanUpWiring
{
public:
    explicit CleanUpWiring(Application& program);
    ~CleanUpWiring();

    CleanUpWiring(const CleanUpWiring&) = delete;
    CleanUpWiring& operator=(const CleanUpWiring&) = delete;

    // The menu item; a second call brings the open dialog to the front.
    void open();
    CleanUpDialog* dialog() const;
    // Puts the start-up notice on the window when interrupted runs left work
    // folders; nothing is deleted.
    void mentionInterruptedRuns();

private:
    Application& m_program;
    std::unique_ptr<CleanUpList> m_list;
    QPointer<CleanUpDialog> m_dialog;
};
