#include "temphome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <stdexcept>

namespace {

QString makeHome(const QTemporaryDir& dir)
{
    const QString home = QFileInfo(dir.path()).canonicalFilePath() + QStringLiteral("/home");
    QDir().mkpath(home);
    return home;
}

} // namespace

TempHome::TempHome()
    : map(makeHome(dir))
    , drives(DriveMap(makeHome(dir)))
    , m_home(makeHome(dir))
    , m_previousHome(qgetenv("ZAVOK32_HOME"))
{
    qputenv("ZAVOK32_HOME", m_home.toLocal8Bit());
    map.ensureDefaults();
    services.drives = &drives;
    services.fileDialog = &fileDialog;
    services.folderPicker = &folderPicker;
    services.messages = &messages;
    services.shell = &shell;
    services.clock = &clock;
    services.textEditor = &textEditor;
}

TempHome::~TempHome()
{
    if (m_previousHome.isEmpty())
        qunsetenv("ZAVOK32_HOME");
    else
        qputenv("ZAVOK32_HOME", m_previousHome);
}

QString TempHome::addDrive(QChar letter)
{
    const QString folder = QFileInfo(dir.path()).canonicalFilePath() + QStringLiteral("/drive_") + letter.toLower();
    QDir().mkpath(folder);
    map.mapDrive(letter, folder);
    return folder;
}

QString TempHome::addExampleDrive(qsizetype dataBytes, quint32 seed)
{
    const QString folder = addDrive('e');
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-R"), QStringLiteral(ZAVOK32_SOURCE_DIR "/examples/drive_e/."), folder}) != 0)
        throw std::runtime_error("cannot copy the example drive");
    QDir(folder).mkpath(QStringLiteral("zips"));
    QByteArray bytes(dataBytes, '\0');
    for (char& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = char(seed >> 24);
    }
    write(QStringLiteral("e:\\demo\\data\\levels.dat"), bytes);
    return folder;
}

QString TempHome::host(const QString& dosPath) const
{
    const auto path = map.toHost(dosPath);
    if (!path)
        throw std::runtime_error("no host path for " + dosPath.toStdString());
    return *path;
}

void TempHome::write(const QString& dosPath, const QByteArray& bytes) const
{
    const QString path = host(dosPath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray TempHome::read(const QString& dosPath) const
{
    QFile file(host(dosPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString TempHome::homeDos() const
{
    return map.toDos(m_home).value_or(QString());
}
