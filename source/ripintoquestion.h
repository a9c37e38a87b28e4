#pragma once

#include <QCoreApplication>
#include <QString>

// The Iso/bin option dialog: asks, for an image source, whether the run
// stops after the archiver or wraps every volume into a ZIP. It opens with
// neither option selected; "&OK", the Enter key and the window's close
// control all end it with whatever is selected then.
class RipIntoQuestion
{
public:
    enum class Choice { Neither, ArchivesOnly, IntoZips };

    virtual ~RipIntoQuestion() = default;
    // Shows the dialog and waits until it is closed.
    virtual Choice ask() = 0;

    // The new archivesOnly: only "Rar/ace then into &Zip(s)" makes ZIP
    // files, so a dialog closed with nothing chosen makes archives only.
    static bool archivesOnly(Choice choice) { return choice != Choice::IntoZips; }

    static QString titleText() { return QCoreApplication::translate("RipIntoQuestion", "Zavok32 - Iso/bin option"); }
    static QString questionText() { return QCoreApplication::translate("RipIntoQuestion", "Rip into?"); }
    static QString archivesOnlyText() { return QCoreApplication::translate("RipIntoQuestion", "&Rar/Ace(s) only"); }
    static QString intoZipsText() { return QCoreApplication::translate("RipIntoQuestion", "Rar/ace then into &Zip(s)"); }
    static QString okText() { return QStringLiteral("&OK"); }
};
