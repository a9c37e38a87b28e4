#include "setcheck/sha256file.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

// sha256sum's own escaping: a name holding a backslash, LF or CR is written
// with those escaped and the whole line marked by a leading backslash, so
// the list stays one line per file and reads back to the same name.
bool needsEscape(const QString& name)
{
    return name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'));
}

QString escaped(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    name.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    name.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return name;
}

std::optional<QString> unescaped(const QString& name)
{
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != QLatin1Char('\\')) {
            out += name[i];
            continue;
        }
        if (++i == name.size())
            return std::nullopt;
        switch (name[i].unicode()) {
        case '\\': out += QLatin1Char('\\'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        default: return std::nullopt;
        }
    }
    return out;
}

} // namespace

QByteArray Sha256File::write(const QList<ChecksumItem>& items)
{
    QByteArray out;
    for (const ChecksumItem& item : items) {
        if (item.sha256.size() != 32)
            continue;
        if (needsEscape(item.name))
            out += '\\' + item.sha256.toHex() + "  " + escaped(item.name).toUtf8() + '\n';
        else
            out += item.sha256.toHex() + "  " + item.name.toUtf8() + '\n';
    }
    return out;
}

Sha256File::Parsed Sha256File::read(const QByteArray& bytes)
{
    static const QRegularExpression gnu(QStringLiteral("^([0-9A-Fa-f]{64}) [ *](.+)$"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression bsd(QStringLiteral("^SHA256 \\((.+)\\) ?= ?([0-9A-Fa-f]{64})$"),
                                        QRegularExpression::DotMatchesEverythingOption);
    Parsed parsed;
    int number = 0;
    for (QByteArray raw : bytes.split('\n')) {
        ++number;
        while (raw.endsWith('\r'))
            raw.chop(1);
        QString text = QString::fromUtf8(raw);
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const bool escapedLine = text.startsWith(QLatin1Char('\\'));
        if (escapedLine)
            text.remove(0, 1);
        ChecksumItem item;
        if (const QRegularExpressionMatch m = gnu.match(text); m.hasMatch()) {
            item.name = m.captured(2);
            item.sha256 = QByteArray::fromHex(m.captured(1).toLatin1());
        } else if (const QRegularExpressionMatch b = bsd.match(text); b.hasMatch()) {
            item.name = b.captured(1);
            item.sha256 = QByteArray::fromHex(b.captured(2).toLatin1());
        } else {
            item.name.clear();
        }
        if (escapedLine && !item.name.isEmpty()) {
            const std::optional<QString> name = unescaped(item.name);
            item.name = name.value_or(QString());
        }
        if (item.name.isEmpty()) {
            parsed.problems << QCoreApplication::translate("Sha256File", "line %1 is not \"digest  name\"").arg(number);
            continue;
        }
        parsed.items << item;
    }
    return parsed;
}
