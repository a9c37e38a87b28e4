#pragma once

#include <QList>
#include <QString>

// Every command of the main window's menus.
enum class MenuCommand {
    None, // separators and submenu headers
    OpenScript, SaveScript, CheckSet,
    PageSource, PageSkip, PageDiz, PageNfo, PageZip, PageRun,
    Exit,
    Sounds, Drives, CleanUp, VerifyAfterPacking, ChecksumFiles, RecoveryFiles, UseZipComment, OpenZipComment, ViewZipComment,
    HelpContents, HelpIndex, WebPage, Email, About,
};

struct MenuItemSpec {
    QString text;       // empty: a separator
    QString shortcut;   // portable key text, "Ctrl+O"
    MenuCommand command = MenuCommand::None;
    bool checkable = false;
    QList<MenuItemSpec> submenu;

    bool isSeparator() const { return text.isEmpty(); }
};

struct MenuSpec {
    QString title;
    QList<MenuItemSpec> items;
};

// The menu bar as data, so the items, their order and their shortcuts are
// checked without a window.
class MenuTable
{
public:
    static const QList<MenuSpec>& menus();
    // A menu or item text as the user reads it; the table keeps the English.
    static QString shown(const QString& text);
    // The Page submenu of the File menu, also popped up by a right click.
    static const QList<MenuItemSpec>& pageSubmenu();
};
