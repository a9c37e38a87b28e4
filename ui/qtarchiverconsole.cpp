#include "ui/qtarchiverconsole.h"

#include "platform/consoletext.h"
#include "ui/archiverwindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <memory>

QtArchiverConsole::~QtArchiverConsole()
{
    delete m_window.data();
}

ArchiverWindow* QtArchiverConsole::window() const
{
    return m_window.data();
}

QString QtArchiverConsole::cancellingText()
{
    return QCoreApplication::translate("QtArchiverConsole", "Ending the archiver...");
}

QString QtArchiverConsole::endedText(const ProcessEnd& end)
{
    return end.shownName() + QLatin1Char(' ') + end.describe();
}

ProcessEnd QtArchiverConsole::watch(RunningChild& child)
{
    // The window an earlier failure left open belongs to that run.
    delete m_window.data();
    auto window = std::make_unique<ArchiverWindow>(child.title());
    m_window = window.get();
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
        window->showOutput(text.lines(), text.percent());
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
    QObject::connect(window.get(), &ArchiverWindow::cancelClicked, &loop, [&] {
        child.cancel();
        window->showCancelling(cancellingText());
        grace.start();
    });

    window->show();
    window->raise();
    ended.start();
    if (!child.poll())
        loop.exec();
    ended.stop();
    grace.stop();
    if (notifier.isEnabled())
        drain();
    ProcessEnd end = child.wait();
    if (end.succeeded() || end.cancelled) {
        window->m_ending = true;
        window->close();
        m_window.clear();
        return end;
    }

    end.lastLines = text.lastLines(kLastLines);
    const QString status = endedText(end);
    std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("QtArchiverConsole", "zavok32: %1. What it printed last:").arg(status)));
    for (const QString& line : std::as_const(end.lastLines))
        std::fprintf(stderr, "  %s\n", qPrintable(line));
    std::fflush(stderr);
    window->showEnded(status);
    window.release()->setAttribute(Qt::WA_DeleteOnClose);
    return end;
}
