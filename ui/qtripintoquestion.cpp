#include "ui/qtripintoquestion.h"

#include "ui/isobinoptiondialog.h"

#include <QEventLoop>
#include <QWindow>

QtRipIntoQuestion::QtRipIntoQuestion(QWidget* mainWindow)
    : m_mainWindow(mainWindow)
{
}

RipIntoQuestion::Choice QtRipIntoQuestion::ask()
{
    IsoBinOptionDialog dialog(nullptr);
    if (m_mainWindow) {
        // Kept above the main window by the window manager, and centred on it.
        dialog.winId();
        if (QWindow* handle = dialog.windowHandle())
            handle->setTransientParent(m_mainWindow->window()->windowHandle());
        dialog.move(m_mainWindow->window()->frameGeometry().center() - dialog.rect().center());
    }
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    if (dialog.isVisible())
        loop.exec();
    return dialog.choice();
}
