#include "ui/menutable.h"

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
        item("Source", "Ctrl+S", MenuCommand::PageSource, true),
        item("Skip", "Ctrl+K", MenuCommand::PageSkip, true),
        item("Diz", "Ctrl+D", MenuCommand::PageDiz, true),
        item("Nfo", "Ctrl+N", MenuCommand::PageNfo, true),
        item("Zip", "Ctrl+Z", MenuCommand::PageZip, true),
        separator(),
        item("Zavok", "Ctrl+R", MenuCommand::PageRun, true),
    };
    return items;
}

const QList<MenuSpec>& MenuTable::menus()
{
    static const QList<MenuSpec> table{
        {QStringLiteral("&File"),
         {item("&Open zvk script...", "Ctrl+O", MenuCommand::OpenScript),
          item("S&ave zvk script...", "Ctrl+V", MenuCommand::SaveScript),
          item("Chec&k a set...", "", MenuCommand::CheckSet),
          separator(),
          MenuItemSpec{QStringLiteral("Page"), QString(), MenuCommand::None, false, pageSubmenu()},
          separator(),
          item("E&xit", "Ctrl+X", MenuCommand::Exit)}},
        {QStringLiteral("&Options"),
         {item("Soun&ds", "", MenuCommand::Sounds, true),
          item("&Drives...", "", MenuCommand::Drives),
          item("Clean &up...", "", MenuCommand::CleanUp),
          separator(),
          item("&Verify after packing", "", MenuCommand::VerifyAfterPacking, true),
          item("&Checksum files", "", MenuCommand::ChecksumFiles, true),
          item("&Recovery files...", "", MenuCommand::RecoveryFiles),
          separator(),
          item("Use &zip comment", "", MenuCommand::UseZipComment, true),
          item("&Open zip comment...", "", MenuCommand::OpenZipComment),
          item("&View zip comment...", "", MenuCommand::ViewZipComment)}},
        {QStringLiteral("&Help"),
         {item("&Contents...", "Ctrl+H", MenuCommand::HelpContents),
          item("&Index...", "Ctrl+I", MenuCommand::HelpIndex),
          separator(),
          item("&Web page...", "Ctrl+W", MenuCommand::WebPage),
          item("&Email...", "Ctrl+E", MenuCommand::Email),
          separator(),
          item("&About...", "Ctrl+A", MenuCommand::About)}},
    };
    return table;
}
