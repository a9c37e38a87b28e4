#pragma once

#include <QObject>
#include <sys/types.h>

class QSocketNotifier;

// SIGINT, SIGTERM and SIGHUP, taken on the event loop like the run page's
// Abort. The handler itself only does what is safe there: it notes the
// signal, passes SIGTERM on to the process group of the outside program that
// runs (which sits in a group of its own, out of reach of the terminal's
// Ctrl+C), and writes a byte into a pipe whose notifier emits received() the
// next time window events run. A second signal while the first is still
// being handled ends the process at once, as if nothing had caught it.
//
// One object at a time; destroying it gives the signals their default
// actions back.
class StopSignals : public QObject
{
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // The first stop signal taken, 0 while none was.
    static int received();
    // The process group of the outside program that runs now (0: none). Set
    // by whoever starts it, right after the start; a stop that came before
    // reaches the group at once.
    static void setChildGroup(pid_t group);

    // "SIGTERM" for a signal's number.
    static QString name(int signal);

signals:
    void stopRequested(int signal);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};
