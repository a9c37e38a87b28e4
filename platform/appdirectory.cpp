#include "platform/appdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString AppDirectory::path()
{
    QString dir = qEnvironmentVariable("ZAVOK32_HOME");
    if (dir.isEmpty()) {
        QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty())
            data = QDir::homePath() + QStringLiteral("/.local/share");
        dir = data + QStringLiteral("/zavok32");
    }
    dir = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    QDir().mkpath(dir);
    return dir;
}

QString AppDirectory::shippedFile(const QString& name)
{
    QStringList places{path()};
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        places << QDir::cleanPath(exeDir + QStringLiteral("/../share/zavok32")) << exeDir;
    }
    places << QStringLiteral(ZAVOK32_SHARE_DIR) << QStringLiteral(ZAVOK32_SOURCE_SHARE_DIR);
    for (const QString& place : places) {
        const QString candidate = place + QLatin1Char('/') + name;
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}
