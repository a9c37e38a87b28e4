#include "contents/fileineditor.h"

#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/texteditor.h"

#include <QCoreApplication>

bool FileInEditor::open(Services& services, const QString& dosPath)
{
    if (const auto host = services.drives->toHost(dosPath))
        return openHost(services, *host);
    services.messages->show(QCoreApplication::translate("FileInEditor", "Zavok32 error"), noDriveText(dosPath), MessageIcon::Exclamation);
    return false;
}

bool FileInEditor::openHost(Services& services, const QString& hostPath)
{
    if (services.textEditor && services.textEditor->open(hostPath))
        return true;
    services.messages->show(QCoreApplication::translate("FileInEditor", "Zavok32 error"), cannotStartText(hostPath), MessageIcon::Exclamation);
    return false;
}

QString FileInEditor::cannotStartText(const QString& hostPath)
{
    return QCoreApplication::translate("FileInEditor", "No text editor could be started for\r\n") + hostPath
        + QCoreApplication::translate("FileInEditor", "\r\nInstall a text editor (for example gedit, kate or mousepad) and make it the desktop's"
                         " default for plain text files, in the desktop's settings or with\r\n"
                         "    xdg-mime default org.gnome.gedit.desktop text/plain\r\n"
                         "(its .desktop file's name), or open the file in an editor of your choice.");
}

QString FileInEditor::noDriveText(const QString& dosPath)
{
    return QCoreApplication::translate("FileInEditor", "The drive of\r\n") + dosPath + QCoreApplication::translate("FileInEditor", "\r\nis not available.");
}
