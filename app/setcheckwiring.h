#pragma once

#include <QPointer>
#include <memory>

class Application;
class CheckSetWindow;
class SetCheckPage;

// File > "Chec&k a set...": opens the Check a set window beside the main
// window, starting at the job's ZIP folder. A second call brings the open
// window to the front.
class SetCheckWiring
{
public:
    explicit SetCheckWiring(Application& program);
    ~SetCheckWiring();

    SetCheckWiring(const SetCheckWiring&) = delete;
    SetCheckWiring& operator=(const SetCheckWiring&) = delete;

    void open();
    CheckSetWindow* window() const;
    SetCheckPage* page() const { return m_page.get(); }

private:
    Application& m_program;
    std::unique_ptr<SetCheckPage> m_page;
    QPointer<CheckSetWindow> m_window;
};
