// What a screen reader is told: every control the keyboard reaches, on every
// page and in every window of the program, has a name.
#include "appdoubles.h"
#include "app/application.h"
#include "app/driveswiring.h"
#include "doubles/temphome.h"
#include "source/folderselection.h"
#include "ui/aboutwindow.h"
#include "ui/archiverwindow.h"
#include "ui/descriptioneditorwindow.h"
#include "ui/drivesdialog.h"
#include "ui/folderpickerdialog.h"
#include "ui/helpwindow.h"
#include "ui/isobinoptiondialog.h"
#include "ui/mainwindow.h"
#include "ui/qtmessagebox.h"
#include "ui/reportwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Each control the Tab key can reach, by its path of object names and its
// class, whose accessible name is empty.
QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face && !face->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        QStringList path;
        for (QObject* o = w; o && o != window; o = o->parent())
            path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
        unnamed << window->objectName() + QLatin1Char('/') + path.join(QLatin1Char('/'));
    }
    return unnamed;
}

} // namespace

TEST(Accessibility, EveryControlOfEveryPageAndWindowHasAName)
{
    TempHome home;
    QuietSounds silent;
    Application::Options options = homeOptions(home, silent);
    Application program(options);
    ASSERT_FALSE(program.load(QString()).has_value());

    FolderSelection selection(*program.services().drives);
    FolderPickerDialog picker(*program.services().drives, {QStringLiteral("Source directory"), QStringLiteral("desktop"), {}},
                              selection.handler());
    IsoBinOptionDialog question;
    ReportWindow report;
    DescriptionEditorWindow editor;
    HelpWindow help;
    AboutWindow about;
    ArchiverWindow archiver(QStringLiteral("wrar - c:\\Zavok001\\game.rar"));
    QMessageBox message;
    QtMessageBox::prepare(message, QStringLiteral("Zavok32 error"), QStringLiteral("The archiver wrar ended with exit status 2."),
                          QStringLiteral("no space left on device"), MessageIcon::Stop, MessageButtons::OkCancel);
    program.drivesWiring().open();
    QWidget* drives = program.drivesWiring().dialog();
    ASSERT_NE(drives, nullptr);

    QStringList unnamed;
    for (QWidget* window : {static_cast<QWidget*>(&program.window()), static_cast<QWidget*>(&picker),
                            static_cast<QWidget*>(&question), static_cast<QWidget*>(&report),
                            static_cast<QWidget*>(&editor), static_cast<QWidget*>(&help), static_cast<QWidget*>(&about),
                            static_cast<QWidget*>(&archiver), static_cast<QWidget*>(&message), drives})
        unnamed << unnamedControls(window);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
    drives->close();
}
