#include "app/application.h"
#include "app/commandlinehelp.h"
#include "app/commandlineoptions.h"
#include "app/displaychoice.h"
#include "app/programicon.h"
#include "app/singleinstance.h"
#include "app/terminalprogress.h"
#include "app/toolkitmessages.h"
#include "job/exitstatus.h"
#include "platform/appdirectory.h"
#include "platform/stopsignals.h"
#include "translations/programtranslations.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <cstdio>
#include <optional>

namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Help, version and a command line that cannot be read are answered at once,
// with no toolkit and no display.
std::optional<int> answerAtOnce(const LaunchRequest& request)
{
    switch (request.answer) {
    case LaunchRequest::Answer::None:
        return std::nullopt;
    case LaunchRequest::Answer::Help:
        print(stdout, CommandLineHelp::helpText());
        return exitstatus::Done;
    case LaunchRequest::Answer::Version:
        print(stdout, CommandLineHelp::versionText());
        return exitstatus::Done;
    case LaunchRequest::Answer::UsageError:
        print(stderr, CommandLineHelp::usageErrorText(request.error));
        return exitstatus::NotRun;
    }
    return std::nullopt;
}

// One copy runs per application directory. A second start brings its window
// forward and hands it a script to open; an unattended run cannot run beside
// it. None: this is the only copy.
std::optional<int> deferToRunningCopy(SingleInstance& instance, const QString& tail)
{
    const bool unattended = Startup::parseCommandLine(tail).mode != LaunchMode::Interactive;
    if (tail.isEmpty() || unattended) {
        if (!instance.askRunningCopyToRestore())
            return std::nullopt;
        if (tail.isEmpty())
            return exitstatus::Done;
        print(stderr, QCoreApplication::translate("CommandLine",
                                                  "zavok32: another copy is running for this application directory; "
                                                  "it was brought to the front and %1 was not loaded\n")
                          .arg(tail));
        return exitstatus::AnotherCopy;
    }
    switch (instance.handScriptToRunningCopy(Startup::absoluteScriptArgument(tail))) {
    case SingleInstance::Handover::NoCopy:
        return std::nullopt;
    case SingleInstance::Handover::Opened:
        return exitstatus::Done;
    case SingleInstance::Handover::Refused:
        break;
    }
    print(stderr, QCoreApplication::translate("CommandLine",
                                              "zavok32: another copy is running for this application directory and is "
                                              "busy (a run or a dialog); %1 was not opened. Open it there once it is "
                                              "free, or start this again then.\n")
                      .arg(tail));
    return exitstatus::AnotherCopy;
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before the toolkit starts: whether a window is needed at all
    // depends on it, and the toolkit ends the process when it finds no display.
    LaunchRequest request;
    {
        // What is answered here speaks the language of the locale as the
        // window does; translations need an application, and a core one needs
        // no display.
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        std::optional<ProgramTranslations> translations(std::in_place);
        request = CommandLineOptions::parse(rawArguments(argc, argv));
        // The usage text stays English, as the manual page.
        if (request.answer == LaunchRequest::Answer::Help)
            translations.reset();
        if (const auto answered = answerAtOnce(request))
            return *answered;
        if (request.instead)
            return request.instead();
        switch (DisplayChoice::plan(request.tail, DisplayChoice::processEnvironment, DisplayChoice::systemProbe())) {
        case DisplayChoice::Plan::AsConfigured:
            break;
        case DisplayChoice::Plan::Offscreen:
            qputenv("QT_QPA_PLATFORM", "offscreen");
            break;
        case DisplayChoice::Plan::NoDisplay:
            print(stderr, DisplayChoice::noDisplayMessage(DisplayChoice::processEnvironment) + QLatin1Char('\n'));
            return exitstatus::NotRun;
        }
    }
    ToolkitMessages::install();

    // The toolkit gets no arguments of its own: the command line is read
    // above, and a script named like one of the toolkit's options stays a script.
    int toolkitArgc = 1;
    QApplication qapp(toolkitArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Zavok32"));
    QApplication::setApplicationVersion(QStringLiteral(ZAVOK32_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ZAVOK32_APP_ID));
    QApplication::setWindowIcon(ProgramIcon::icon());
    // The language of the locale when the program speaks it, else English.
    const ProgramTranslations translations;

    SingleInstance instance(AppDirectory::path());
    if (const auto deferred = deferToRunningCopy(instance, request.tail))
        return *deferred;
    instance.listen();

    // From here on a stop signal is heard by the event loop (a run stops like
    // Abort) instead of ending the process where it stands.
    StopSignals stopSignals;
    const TerminalProgress::Style style =
        TerminalProgress::styleFor(request.quiet, TerminalProgress::standardOutputIsTerminal());
    Application::Options options;
    options.headless = Application::displayIsHeadless();
    options.archiverLinesToStandardOutput = style == TerminalProgress::Style::Lines;
    options.restartInterrupted = request.restart;
    options.recoveryZips = request.recoveryZips;
    Application app(options);
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &app.window(), [&app](int signal) { app.stopBySignal(signal); });
    QObject::connect(&instance, &SingleInstance::restoreRequested, &app.window(), &MainWindow::bringToFront);
    instance.acceptScript = [&app](const QString& script) { return app.openHandedScript(script); };
    TerminalProgress progress(app.view(), app.appState(), style, TerminalProgress::writeToStandardOutput);
    progress.columns = TerminalProgress::terminalColumns;
    app.beforeErrorLine = [&progress] { progress.endLine(); };
    app.window().onReport = [&progress](const QString& line) { progress.say(line); };
    if (const auto exitCode = app.load(request.tail))
        return *exitCode;
    return qapp.exec();
}
