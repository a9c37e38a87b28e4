#include "platform/drivemap.h"

#include "platform/appdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

QString matchEntry(const QString& dir, const QString& component)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + component))
        return component;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return component;
}

QString canonicalOrClean(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

} // namespace

DriveMap::DriveMap(const QString& appDirHost)
    : m_dosdevices(appDirHost + QStringLiteral("/dosdevices"))
{
}

DriveMap DriveMap::forApplication()
{
    return DriveMap(AppDirectory::path());
}

void DriveMap::ensureDefaults() const
{
    const bool firstStart = !QFileInfo(m_dosdevices).isDir();
    QDir().mkpath(m_dosdevices);
    const QString driveC = QDir::cleanPath(m_dosdevices + QStringLiteral("/../drive_c"));
    const QFileInfo cLink(linkPath(QLatin1Char('c')));
    if (!cLink.isSymLink() && !cLink.exists()) {
        QDir().mkpath(driveC);
        QFile::link(QStringLiteral("../drive_c"), linkPath(QLatin1Char('c')));
    }
    if (firstStart)
        QFile::link(QStringLiteral("/"), linkPath(QLatin1Char('z')));
}

QList<QChar> DriveMap::letters() const
{
    QList<QChar> result;
    const QStringList entries = QDir(m_dosdevices).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.size() == 2 && entry[1] == QLatin1Char(':') && entry[0].isLetter() && entry[0].unicode() < 128)
            result << entry[0].toLower();
    }
    std::sort(result.begin(), result.end());
    return result;
}

std::optional<QString> DriveMap::driveRoot(QChar letter) const
{
    const QFileInfo link(linkPath(letter));
    if (!link.exists())
        return std::nullopt; // unmapped, or a broken link: no medium
    const QString root = link.canonicalFilePath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return std::nullopt;
    return root;
}

std::optional<QString> DriveMap::toHost(const QString& dosPath) const
{
    const auto letter = driveLetterOf(dosPath);
    if (!letter || dosPath.size() < 2 || dosPath[1] != QLatin1Char(':'))
        return std::nullopt;
    const auto root = driveRoot(*letter);
    if (!root)
        return std::nullopt;

    QStringList parts;
    const QStringList components = dosPath.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    for (const QString& component : components) {
        if (component == QLatin1String("."))
            continue;
        if (component == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        const QString dir = parts.isEmpty() ? *root : *root + QLatin1Char('/') + parts.join(QLatin1Char('/'));
        parts << matchEntry(dir, component);
    }
    if (parts.isEmpty())
        return *root;
    return (*root == QLatin1String("/") ? QString() : *root) + QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

std::optional<QString> DriveMap::toDos(const QString& hostPath) const
{
    if (hostPath.isEmpty())
        return std::nullopt;
    const QString host = canonicalOrClean(hostPath);
    std::optional<QChar> best;
    QString bestRoot;
    for (QChar letter : letters()) {
        const auto root = driveRoot(letter);
        if (!root)
            continue;
        const bool inside = host == *root || *root == QLatin1String("/")
            || host.startsWith(*root + QLatin1Char('/'));
        if (inside && (!best || root->size() > bestRoot.size())) {
            best = letter;
            bestRoot = *root;
        }
    }
    if (!best)
        return std::nullopt;
    QString rest = host.mid(bestRoot == QLatin1String("/") ? 0 : bestRoot.size());
    if (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(*best) + QStringLiteral(":\\") + rest;
}

bool DriveMap::mapDrive(QChar letter, const QString& hostTarget) const
{
    if (!driveLetterOf(QString(letter)) || hostTarget.isEmpty())
        return false;
    QDir().mkpath(m_dosdevices);
    const QString link = linkPath(letter);
    const QString fresh = link + QStringLiteral(".new");
    QFile::remove(fresh);
    if (::symlink(QFile::encodeName(hostTarget).constData(), QFile::encodeName(fresh).constData()) != 0)
        return false;
    if (::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(link).constData()) != 0) {
        QFile::remove(fresh);
        return false;
    }
    return true;
}

QString DriveMap::linkTarget(QChar letter) const
{
    const QString link = linkPath(letter);
    if (!QFileInfo(link).isSymLink())
        return QFileInfo(link).isDir() ? QFileInfo(link).absoluteFilePath() : QString();
    const QString target = QFile::symLinkTarget(link);
    return target.isEmpty() ? QString() : QDir::cleanPath(target);
}

bool DriveMap::isRemovable(QChar letter)
{
    return letter.toLower() != QLatin1Char('c');
}

bool DriveMap::unmapDrive(QChar letter) const
{
    const QString link = linkPath(letter);
    if (!QFileInfo(link).isSymLink() && !QFileInfo::exists(link))
        return true;
    return QFile::remove(link);
}

std::optional<QChar> DriveMap::driveLetterOf(const QString& text)
{
    if (text.isEmpty() || !text[0].isLetter() || text[0].unicode() >= 128)
        return std::nullopt;
    if (text.size() >= 2 && text[1] != QLatin1Char(':'))
        return std::nullopt;
    return text[0].toLower();
}

QString DriveMap::linkPath(QChar letter) const
{
    return m_dosdevices + QLatin1Char('/') + letter.toLower() + QLatin1Char(':');
}
