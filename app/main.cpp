#include "app/application.h"
#include "app/singleinstance.h"
#include "job/exitstatus.h"
#include "platform/appdirectory.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zavok32"));
    QApplication::setApplicationVersion(QStringLiteral("3.67"));

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
    if (const auto exitCode = app.load(tail))
        return *exitCode;
    return qapp.exec();
}
