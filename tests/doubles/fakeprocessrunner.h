#pragma once

#include "platform/processrunner.h"

#include <QList>
#include <QString>
#include <functional>

// Records every command line and folder instead of starting a program; an
// optional action plays the program's part (say, leaves volumes behind) and
// says how the program ended (by default: exit status 0).
class FakeProcessRunner : public ProcessRunner
{
public:
    struct Call {
        QString commandLine;
        QString currentDirHost;
    };
    QList<Call> calls;
    std::function<void(const Call&)> action;
    ProcessEnd end = ProcessEnd::exited(QStringLiteral("program"), 0);

    ProcessEnd execCmd(const QString& commandLine, const QString& currentDirHost) override
    {
        calls << Call{commandLine, currentDirHost};
        if (action)
            action(calls.last());
        return end;
    }
};
