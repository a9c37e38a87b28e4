#include "ui/menutable.h"

#include <QCoreApplication>

namespace {

MenuItemSpec item(const char* text, const char* shortcut, MenuCommand command, bool checkable = false)
{
    return MenuItemSpec{QString::fromLatin1(text), QString::fromLatin1(shortcut), command, checkable, {}};
}

MenuItemSpec separator()
{
    return MenuItemSpec{};
}

} // namespace

const QList<MenuItemSpec>& MenuTable::pageSubmenu()
{
    static const QList<MenuItemSpec> items{
        item(QT_TRANSLATE_NOOP("MenuTable", "Source"), "Ctrl+S", MenuCommand::PageSource, true),
        item(QT_TRANSLATE_NOOP("MenuTable", "Skip"), "Ctrl+K", MenuCommand::PageSkip, true),
        item(QT_TRANSLATE_NOOP("MenuTable", "Diz"), "Ctrl+D", MenuCommand::PageDiz, true),
        item(QT_TRANSLATE_NOOP("MenuTable", "Nfo"), "Ctrl+N", MenuCommand::PageNfo, true),
        item(QT_TRANSLATE_NOOP("MenuTable", "Zip"), "Ctrl+Z", MenuCommand::PageZip, true),
        separator(),
        item(QT_TRANSLATE_NOOP("MenuTable", "Zavok"), "Ctrl+R", MenuCommand::PageRun, true),
    };
    return items;
}

const QList<MenuSpec>& MenuTable::menus()
{
    static const QList<MenuSpec> table{
        {QStringLiteral(QT_TRANSLATE_NOOP("MenuTable", "&File")),
         {item(QT_TRANSLATE_NOOP("MenuTable", "&Open zvk script..."), "Ctrl+O", MenuCommand::OpenScript),
          item(QT_TRANSLATE_NOOP("MenuTable", "S&ave zvk script..."), "Ctrl+V", MenuCommand::SaveScript),
          item(QT_TRANSLATE_NOOP("MenuTable", "Chec&k a set..."), "", MenuCommand::CheckSet),
          separator(),
          MenuItemSpec{QStringLiteral(QT_TRANSLATE_NOOP("MenuTable", "Page")), QString(), MenuCommand::None, false, pageSubmenu()},
          separator(),
          item(QT_TRANSLATE_NOOP("MenuTable", "E&xit"), "Ctrl+X", MenuCommand::Exit)}},
        {QStringLiteral(QT_TRANSLATE_NOOP("MenuTable", "&Options")),
         {item(QT_TRANSLATE_NOOP("MenuTable", "Soun&ds"), "", MenuCommand::Sounds, true),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Drives..."), "", MenuCommand::Drives),
          item(QT_TRANSLATE_NOOP("MenuTable", "Clean &up..."), "", MenuCommand::CleanUp),
          separator(),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Verify after packing"), "", MenuCommand::VerifyAfterPacking, true),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Checksum files"), "", MenuCommand::ChecksumFiles, true),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Recovery files..."), "", MenuCommand::RecoveryFiles),
          separator(),
          item(QT_TRANSLATE_NOOP("MenuTable", "Use &zip comment"), "", MenuCommand::UseZipComment, true),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Open zip comment..."), "", MenuCommand::OpenZipComment),
          item(QT_TRANSLATE_NOOP("MenuTable", "&View zip comment..."), "", MenuCommand::ViewZipComment)}},
        {QStringLiteral(QT_TRANSLATE_NOOP("MenuTable", "&Help")),
         {item(QT_TRANSLATE_NOOP("MenuTable", "&Contents..."), "Ctrl+H", MenuCommand::HelpContents),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Index..."), "Ctrl+I", MenuCommand::HelpIndex),
          separator(),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Web page..."), "Ctrl+W", MenuCommand::WebPage),
          item(QT_TRANSLATE_NOOP("MenuTable", "&Email..."), "Ctrl+E", MenuCommand::Email),
          separator(),
          item(QT_TRANSLATE_NOOP("MenuTable", "&About..."), "Ctrl+A", MenuCommand::About)}},
    };
    return table;
}

QString MenuTable::shown(const QString& text)
{
    return QCoreApplication::translate("MenuTable", text.toUtf8().constData());
}
