#include "ui/qtarchiverconsole.h"

#include "platform/consoletext.h"
#include "ui/archiverwindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

ArchiverWindow* QtArchiverConsole::window() const
{
    return m_window.data();
}

QString QtArchiverConsole::cancellingText()
{
    return QCoreApplication::translate("QtArchiverConsole", "Ending the archiver...");
}

ProcessEnd QtArchiverConsole::watch(RunningChild& child)
{
    ArchiverWindow window(child.title());
    m_window = &window;
    ConsoleText text;
    QEventLoop loop;

    QSocketNotifier notifier(child.outputFd(), QSocketNotifier::Read);
    const auto drain = [&] {
        const QByteArray bytes = child.readAvailable();
        if (bytes.isEmpty()) {
            // Every writer has closed the pipe; a notifier left on would
            // fire without end.
            notifier.setEnabled(false);
            return;
        }
        const int before = text.percent();
        text.feed(bytes);
        window.showOutput(text.lines(), text.percent());
        if (text.percent() != before && onPercent)
            onPercent(text.percent());
    };
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, drain);

    QTimer ended;
    ended.setInterval(50);
    QObject::connect(&ended, &QTimer::timeout, &loop, [&] {
        if (child.poll())
            loop.quit();
    });
    QTimer grace;
    grace.setSingleShot(true);
    grace.setInterval(RunningChild::kGraceMilliseconds);
    QObject::connect(&grace, &QTimer::timeout, &loop, [&] { child.forceEnd(); });
    QObject::connect(&window, &ArchiverWindow::cancelClicked, &loop, [&] {
        child.cancel();
        window.showCancelling(cancellingText());
        grace.start();
    });

    window.show();
    window.raise();
    ended.start();
    if (!child.poll())
        loop.exec();
    ended.stop();
    grace.stop();
    if (notifier.isEnabled())
        drain();
    window.m_ending = true;
    window.close();
    m_window.clear();
    return child.wait();
}
