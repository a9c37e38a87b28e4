#include "setcheck/setnames.h"

#include <QByteArray>
#include <QRegularExpression>

namespace setnames {

std::optional<ZipName> splitZipName(const QString& fileName, int digits)
{
    if (!fileName.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) || digits <= 0)
        return std::nullopt;
    const QString name = fileName.chopped(4);
    if (name.size() <= digits)
        return std::nullopt;
    const QString tail = name.right(digits);
    for (const QChar c : tail) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    }
    return ZipName{name.chopped(digits), tail.toInt(), digits};
}

QString zipName(const QString& stem, int number, int digits)
{
    return stem + QString::number(number).rightJustified(digits, QLatin1Char('0')) + QStringLiteral(".zip");
}

std::optional<Numbering> findNumbering(const QByteArray& description, int number)
{
    static const QRegularExpression pattern(QStringLiteral("(?<![0-9])([0-9]{2,3})/([0-9]{2,3})(?![0-9])"));
    std::optional<Numbering> first;
    auto it = pattern.globalMatch(QString::fromLatin1(description));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        // Both halves have the same width: "03/12", "003/120".
        if (m.capturedLength(1) != m.capturedLength(2))
            continue;
        const Numbering found{m.captured(1).toInt(), m.captured(2).toInt(), int(m.capturedLength(1))};
        if (found.number < 1 || found.number > found.count)
            continue;
        if (number == 0 || found.number == number)
            return found;
        if (!first)
            first = found;
    }
    return number == 0 ? first : std::nullopt;
}

bool isVolumeName(const QString& entryName)
{
    static const QRegularExpression volume(
        QStringLiteral("^[^/\\\\]+\\.(rar|ace|[r-z][0-9]{2}|c[0-9]{2}|[0-9]{3})$"),
        QRegularExpression::CaseInsensitiveOption);
    return volume.match(entryName).hasMatch();
}

} // namespace setnames
