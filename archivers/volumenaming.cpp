#include "volumenaming.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool isDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    return true;
}

QString suffixOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

bool matchesStem(const QString& firstVolume, const QString& fileName, const QString& suffixPattern)
{
    const QString base = QFileInfo(firstVolume).fileName();
    const int dot = base.lastIndexOf(u'.');
    const QString stem = dot < 0 ? base : base.left(dot);
    const QRegularExpression re(
        QStringLiteral("^") + QRegularExpression::escape(stem) + QStringLiteral("\\.(") + suffixPattern + QStringLiteral(")$"),
        QRegularExpression::CaseInsensitiveOption);
    return re.match(fileName).hasMatch();
}

} // namespace

QString VolumeNaming::stem(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return path;
    return path.left(path.size() - (name.size() - dot));
}

QString VolumeNaming::rar(const QString& firstVolume, int index)
{
    if (index == 0)
        return firstVolume;
    const QString suffix = suffixOf(firstVolume);
    if (suffix.size() == 3 && isDigits(suffix)) {
        const int first = suffix.toInt();
        return stem(firstVolume) + u'.' + QString::number(first + index).rightJustified(3, u'0');
    }
    // The old RAR sequence: after .r99 the letter moves on (.s00), as every
    // RAR reader expects; the two digits never grow.
    const int k = index - 1;
    const QChar letter = QChar(u'r' + k / 100);
    return stem(firstVolume) + u'.' + letter + QString::number(k % 100).rightJustified(2, u'0');
}

QString VolumeNaming::ace(const QString& firstVolume, int index)
{
    if (index == 0)
        return firstVolume;
    const int k = index - 1;
    if (k < 100)
        return stem(firstVolume) + QStringLiteral(".c") + QString::number(k).rightJustified(2, u'0');
    return stem(firstVolume) + u'.' + QString::number(k).rightJustified(3, u'0');
}

bool VolumeNaming::isRarVolume(const QString& firstVolume, const QString& fileName)
{
    if (QFileInfo(firstVolume).fileName().compare(fileName, Qt::CaseInsensitive) == 0)
        return true;
    const QString suffix = suffixOf(firstVolume);
    if (suffix.size() == 3 && isDigits(suffix))
        return matchesStem(firstVolume, fileName, QStringLiteral("[0-9]{3,}"));
    return matchesStem(firstVolume, fileName, QStringLiteral("[r-z][0-9]{2}"));
}

bool VolumeNaming::isAceVolume(const QString& firstVolume, const QString& fileName)
{
    if (QFileInfo(firstVolume).fileName().compare(fileName, Qt::CaseInsensitive) == 0)
        return true;
    return matchesStem(firstVolume, fileName, QStringLiteral("c[0-9]{2}|[0-9]{3,}"));
}
