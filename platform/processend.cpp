#include "platform/processend.h"

#include <algorithm>
#include <cstring>

#include <QCoreApplication>

ProcessEnd ProcessEnd::notStarted(const QString& program, const QString& reason)
{
    ProcessEnd end;
    end.program = program;
    end.reason = reason;
    return end;
}

ProcessEnd ProcessEnd::exited(const QString& program, int exitCode)
{
    ProcessEnd end;
    end.kind = Kind::Exited;
    end.program = program;
    end.exitCode = exitCode;
    return end;
}

ProcessEnd ProcessEnd::signalled(const QString& program, int signal)
{
    ProcessEnd end;
    end.kind = Kind::Signalled;
    end.program = program;
    end.signal = signal;
    return end;
}

QString ProcessEnd::shownName(const QString& program)
{
    QString name = program.mid(std::max(program.lastIndexOf(QLatin1Char('/')), program.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (name.size() > 4
        && (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".pif"), Qt::CaseInsensitive)))
        name.chop(4);
    return name;
}

QString ProcessEnd::describe() const
{
    if (cancelled && kind != Kind::NotStarted)
        return QCoreApplication::translate("ProcessEnd", "was cancelled");
    switch (kind) {
    case Kind::NotStarted:
        return QCoreApplication::translate("ProcessEnd", "could not be started") + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    case Kind::Exited:
        return QCoreApplication::translate("ProcessEnd", "ended with exit status %1").arg(exitCode);
    case Kind::Signalled: {
        const char* name = ::strsignal(signal);
        return QCoreApplication::translate("ProcessEnd", "was ended by signal %1").arg(signal)
               + (name ? QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(name)) : QString());
    }
    }
    return {};
}
