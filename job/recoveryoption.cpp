#include "job/recoveryoption.h"

#include <QDir>
#include <QFile>

int RecoveryOption::load(const QString& appDirHost)
{
    QFile file(QDir(appDirHost).filePath(fileName()));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const int zips = file.read(16).trimmed().toInt(&ok);
    return ok && zips >= 0 && zips <= Most ? zips : 0;
}

bool RecoveryOption::save(const QString& appDirHost, int zips)
{
    const QString path = QDir(appDirHost).filePath(fileName());
    if (zips <= 0)
        return !QFile::exists(path) || QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(QByteArray::number(std::min(zips, Most)) + "\r\n") > 0;
}
