#include "app/setcheckwiring.h"

#include "app/application.h"
#include "setcheck/setcheckpage.h"
#include "ui/checksetwindow.h"
#include "ui/mainwindow.h"

SetCheckWiring::SetCheckWiring(Application& program)
    : m_program(program)
{
    program.window().checkSet = [this] { open(); };
}

SetCheckWiring::~SetCheckWiring()
{
    delete m_window.data();
}

CheckSetWindow* SetCheckWiring::window() const
{
    return m_window.data();
}

void SetCheckWiring::open()
{
    if (m_window) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_page = std::make_unique<SetCheckPage>(m_program.services(), m_program.zipReader(), m_program.volumeTester());
    m_page->open(m_program.job().zipDirectory());
    m_window = new CheckSetWindow(*m_page, &m_program.window());
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_page->changed = [this] {
        if (m_window)
            m_window->showView();
    };
    m_window->show();
}
