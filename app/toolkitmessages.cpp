#include "app/toolkitmessages.h"

#include "app/displaychoice.h"
#include "job/exitstatus.h"

#include <QLatin1StringView>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QtMessageHandler previousHandler = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // A display that took the trial connection and then failed the toolkit:
    // the toolkit would abort; the program ends as without a display.
    if (ToolkitMessages::meansNoPlatform(type, message)) {
        std::fprintf(stderr, "%s\n", qPrintable(DisplayChoice::noDisplayMessage(DisplayChoice::processEnvironment)));
        ::_exit(exitstatus::NotRun);
    }
    if (ToolkitMessages::meansNothingToUser(type, context.category, message))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

bool ToolkitMessages::meansNothingToUser(QtMsgType type, const char* category, const QString& message)
{
    if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
        return false;
    if (category && std::strcmp(category, "default") != 0)
        return false;
    // The platform plugin's word for a window call it has no use for
    // (raise(), requestActivate(), ...): offscreen has no windows to stack.
    if (message.startsWith(QLatin1StringView("This plugin does not support ")))
        return true;
    // A session without XDG_RUNTIME_DIR (cron, su, a container): the
    // toolkit makes a folder of its own and goes on.
    if (message.startsWith(QLatin1StringView("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return true;
    return false;
}

bool ToolkitMessages::meansNoPlatform(QtMsgType type, const QString& message)
{
    return type == QtFatalMsg && message.contains(QLatin1StringView("no Qt platform plugin could be initialized"));
}

void ToolkitMessages::install()
{
    previousHandler = qInstallMessageHandler(filter);
}
