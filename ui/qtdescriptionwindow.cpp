#include "ui/qtdescriptionwindow.h"

#include "ui/descriptioneditorwindow.h"


QtDescriptionWindow::QtDescriptionWindow(QWidget* mainWindow)
    : m_mainWindow(mainWindow)
{
}

QtDescriptionWindow::~QtDescriptionWindow()
{
    delete m_window;
}

void QtDescriptionWindow::open(const DescriptionEditorView& view)
{
    if (!m_window) {
        m_window = new DescriptionEditorWindow(nullptr);
        DescriptionEditorWindow* w = m_window;
        connect(w, &DescriptionEditorWindow::saveRequested, this, &QtDescriptionWindow::saveRequested);
        connect(w, &DescriptionEditorWindow::importRequested, this, &QtDescriptionWindow::importRequested);
        connect(w, &DescriptionEditorWindow::okRequested, this, &QtDescriptionWindow::okRequested);
        connect(w, &DescriptionEditorWindow::cancelRequested, this, &QtDescriptionWindow::cancelRequested);
        connect(w, &DescriptionEditorWindow::closeBoxPressed, this, &QtDescriptionWindow::closeBoxPressed);
        w->adjustSize();
        if (m_mainWindow && m_mainWindow->isVisible())
            w->move(m_mainWindow->frameGeometry().center() - w->rect().center());
    }
    m_window->showView(view);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->focusText();
}

void QtDescriptionWindow::setText(const QString& screenText)
{
    if (m_window)
        m_window->setScreenText(screenText);
}

QString QtDescriptionWindow::text() const
{
    return m_window ? m_window->screenText() : QString();
}

void QtDescriptionWindow::focusText()
{
    if (m_window)
        m_window->focusText();
}

void QtDescriptionWindow::close()
{
    if (!m_window)
        return;
    DescriptionEditorWindow* w = m_window;
    m_window.clear();
    w->disconnect(this);
    // Deleted on close; nothing it sends reaches the editor any more.
    w->closeByProgram();
}
