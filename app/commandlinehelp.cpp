#include "app/commandlinehelp.h"

#include "job/exitstatus.h"

#ifndef ZAVOK32_VERSION
#error "ZAVOK32_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace {

QString statusLine(int status, const char* meaning)
{
    return QStringLiteral("  %1  %2\n").arg(status).arg(QLatin1String(meaning));
}

} // namespace

std::optional<QString> CommandLineHelp::answer(const QString& commandLineTail)
{
    if (commandLineTail == QLatin1String("--help") || commandLineTail == QLatin1String("-h"))
        return helpText();
    if (commandLineTail == QLatin1String("--version"))
        return versionText();
    return std::nullopt;
}

QString CommandLineHelp::versionText()
{
    return QStringLiteral("zavok32 " ZAVOK32_VERSION "\n"
                          "with its own archivers wrar and wace " ZAVOK32_VERSION "\n");
}

QString CommandLineHelp::helpText()
{
    QString text = QStringLiteral(
        "Usage: zavok32 [SCRIPT]\n"
        "       zavok32 '!SCRIPT'\n"
        "       zavok32 '$SCRIPT'\n"
        "       zavok32 --check PATH\n"
        "       zavok32 --help | -h | --version\n"
        "\n"
        "Packs a drive, a folder or a CD image (.iso, or .bin with its .cue) into a\n"
        "numbered set of archive volumes with wrar or wace, and wraps every volume in\n"
        "a ZIP of its own with a numbered file_id.diz and a stamped .nfo.\n"
        "\n"
        "  SCRIPT    load this .zvk job and wait in the window\n"
        "  !SCRIPT   load, check and run the job unattended, then close\n"
        "  $SCRIPT   the same, with the date after the base name of every ZIP\n"
        "  --check PATH\n"
        "            check the set PATH names (a folder of ZIPs, a ZIP of the set, or\n"
        "            its .sfv or .sha256) without a window and without writing\n"
        "            anything: a line per ZIP, then a summary; status 0 when the set\n"
        "            is whole and sound, 1 when it is not, 2 when PATH names no set\n"
        "\n"
        "Everything after the program's name is the script: a path of this computer,\n"
        "or a drive-letter path such as c:\\scripts\\game.zvk. Quote it in a shell,\n"
        "where ! and $ mean something. An unattended run writes a line for every ZIP\n"
        "it makes on standard output, and when it ends early it says why on standard\n"
        "error. With no display it runs without a window; a job without \"!\" or \"$\"\n"
        "needs one.\n"
        "\n"
        "Exit status:\n");
    text += statusLine(exitstatus::Done, "the job ran and its ZIPs (archives only: its volumes) were made,");
    text += QStringLiteral("     or the window was closed\n");
    text += statusLine(exitstatus::DriveRoot, "the program is installed in a drive root and cannot run there");
    text += statusLine(exitstatus::NotRun, "the job did not run: the script could not be read, the job did");
    text += QStringLiteral("     not pass its check or the run refused it; or there is no display\n");
    text += statusLine(exitstatus::Stopped, "the run started and did not finish");
    text += statusLine(exitstatus::AnotherCopy, "another copy is running for the same application directory");
    text += statusLine(exitstatus::SetInUse, "another run is writing the same set (ZIP folder and base name)");
    text += QStringLiteral(
        "\n"
        "Files: the application directory is $ZAVOK32_HOME when set, otherwise\n"
        "~/.local/share/zavok32. It holds the settings (drive1.ini, zcom1.ini,\n"
        "zcomment.ini, sounds.ini), the folders Scripts and temp, and the drive map\n"
        "dosdevices: one symbolic link per drive letter, c: -> drive_c and z: -> /\n"
        "at first start. Add a drive with\n"
        "  ln -s /media/cdrom ~/.local/share/zavok32/dosdevices/d:\n"
        "\n"
        "See zavok32(1), wrar(1), wace(1), and the help in the window (F1).\n");
    return text;
}
