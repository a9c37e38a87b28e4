#include "platform/streamarchiverconsole.h"

#include "platform/consoletext.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>

StreamArchiverConsole::StreamArchiverConsole(Sink passOn)
    : m_passOn(std::move(passOn))
{
}

void StreamArchiverConsole::writeToStandardOutput(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

ProcessEnd StreamArchiverConsole::watch(RunningChild& child)
{
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
        if (m_passOn)
            m_passOn(bytes);
        const int before = text.percent();
        text.feed(bytes);
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
    ended.start();
    if (!child.poll())
        loop.exec();
    ended.stop();
    const ProcessEnd end = child.wait();
    // What the child wrote last, once it has ended.
    if (notifier.isEnabled())
        drain();
    return end;
}
