#include "source/folderpathentry.h"

#include "platform/driveservice.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

namespace {

bool startsWithDriveLetter(const QString& text)
{
    return text.size() >= 2 && text.at(0).isLetter() && text.at(0).unicode() < 128 && text.at(1) == QLatin1Char(':');
}

QString unquoted(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && ((text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
                             || (text.startsWith(QLatin1Char('\'')) && text.endsWith(QLatin1Char('\'')))))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

} // namespace

QString FolderPathEntry::normalisedDosPath(const QString& text)
{
    if (!startsWithDriveLetter(text))
        return {};
    QString rest = text.mid(2);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QStringList parts;
    for (const QString& part : rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts << part;
    }
    return text.left(2) + QLatin1Char('\\') + parts.join(QLatin1Char('\\'));
}

std::optional<QString> FolderPathEntry::typedDosPathToHost(const DriveService& drives, const QString& typed)
{
    const QString dos = normalisedDosPath(unquoted(typed.trimmed()));
    if (dos.isEmpty())
        return std::nullopt;
    return drives.toHost(dos);
}

bool FolderPathEntry::isWithin(const QString& dosPath, const QString& root)
{
    if (root.isEmpty() || root.compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        return true;
    const QString top = normalisedDosPath(root);
    if (top.isEmpty())
        return false;
    if (dosPath.compare(top, Qt::CaseInsensitive) == 0)
        return true;
    const QString prefix = top.endsWith(QLatin1Char('\\')) ? top : top + QLatin1Char('\\');
    return dosPath.startsWith(prefix, Qt::CaseInsensitive);
}

std::optional<QString> FolderPathEntry::resolve(const DriveService& drives, const QString& root, const QString& typed)
{
    QString text = unquoted(typed);
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        text = QUrl(text).toLocalFile();
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);

    // The drive service reads "*" and "?" as patterns; a folder is named
    // by its own name.
    if (text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')))
        return std::nullopt;
    QString dos;
    if (startsWithDriveLetter(text)) {
        dos = normalisedDosPath(text);
    } else if (text.startsWith(QLatin1Char('/'))) {
        const auto mapped = drives.toDos(QDir::cleanPath(text));
        if (!mapped)
            return std::nullopt;
        dos = normalisedDosPath(*mapped);
    }
    if (dos.isEmpty() || !drives.pathExists(dos) || drives.fileExists(dos) || !isWithin(dos, root))
        return std::nullopt;
    return dos;
}
