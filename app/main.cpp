#include "app/application.h"
#include "app/checkcommand.h"
#include "app/commandlinehelp.h"
#include "app/displaychoice.h"
#include "app/programicon.h"
#include "app/singleinstance.h"
#include "app/terminalprogress.h"
#include "app/toolkitmessages.h"
#include "job/exitstatus.h"
#include "platform/appdirectory.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <cstdio>

namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before the toolkit starts, which needs a display or ends.
    const QString rawTail = Application::commandLineTail(rawArguments(argc, argv));
    if (const auto answer = CommandLineHelp::answer(rawTail)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return exitstatus::Done;
    }
    if (const auto path = CheckCommand::requested(rawTail))
        return CheckCommand::run(*path, TerminalProgress::writeToStandardOutput, [](const QString& line) {
            std::fputs(line.toLocal8Bit().constData(), stderr);
        });
    switch (DisplayChoice::plan(rawTail, DisplayChoice::processEnvironment)) {
    case DisplayChoice::Plan::AsConfigured:
        break;
    case DisplayChoice::Plan::Offscreen:
        qputenv("QT_QPA_PLATFORM", "offscreen");
        break;
    case DisplayChoice::Plan::NoDisplay:
        std::fprintf(stderr, "%s\n", qPrintable(DisplayChoice::noDisplayMessage()));
        return exitstatus::NotRun;
    }
    ToolkitMessages::install();

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zavok32"));
    QApplication::setApplicationVersion(QStringLiteral(ZAVOK32_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ZAVOK32_APP_ID));
    QApplication::setWindowIcon(ProgramIcon::icon());

    const QString tail = Application::commandLineTail(QApplication::arguments());
    SingleInstance instance(AppDirectory::path());
    if (instance.askRunningCopyToRestore()) {
        // The running copy has the window; a script named here was not run,
        // which an unattended caller must hear about.
        if (!tail.isEmpty()) {
            std::fprintf(stderr, "zavok32: another copy is running for this application directory; "
                                 "it was brought to the front and %s was not loaded\n",
                         qPrintable(tail));
            return exitstatus::AnotherCopy;
        }
        return exitstatus::Done;
    }
    instance.listen();

    Application::Options options;
    options.headless = Application::displayIsHeadless();
    Application app(options);
    QObject::connect(&instance, &SingleInstance::restoreRequested, &app.window(), &MainWindow::bringToFront);
    TerminalProgress progress(app.view(), app.appState(), TerminalProgress::writeToStandardOutput);
    if (const auto exitCode = app.load(tail))
        return *exitCode;
    return qapp.exec();
}
