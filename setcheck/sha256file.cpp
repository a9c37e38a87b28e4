#include "setcheck/sha256file.h"

#include <QCoreApplication>
#include <QRegularExpression>

QByteArray Sha256File::write(const QList<ChecksumItem>& items)
{
    QByteArray out;
    for (const ChecksumItem& item : items) {
        if (item.sha256.size() != 32)
            continue;
        out += item.sha256.toHex() + "  " + item.name.toUtf8() + '\n';
    }
    return out;
}

Sha256File::Parsed Sha256File::read(const QByteArray& bytes)
{
    static const QRegularExpression gnu(QStringLiteral("^\\\\?([0-9A-Fa-f]{64}) [ *](.+)$"));
    static const QRegularExpression bsd(QStringLiteral("^SHA256 \\((.+)\\) ?= ?([0-9A-Fa-f]{64})$"));
    Parsed parsed;
    int number = 0;
    for (QByteArray raw : bytes.split('\n')) {
        ++number;
        while (raw.endsWith('\r'))
            raw.chop(1);
        const QString text = QString::fromUtf8(raw);
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        ChecksumItem item;
        if (const QRegularExpressionMatch m = gnu.match(text); m.hasMatch()) {
            item.name = m.captured(2);
            item.sha256 = QByteArray::fromHex(m.captured(1).toLatin1());
        } else if (const QRegularExpressionMatch b = bsd.match(text); b.hasMatch()) {
            item.name = b.captured(1);
            item.sha256 = QByteArray::fromHex(b.captured(2).toLatin1());
        } else {
            parsed.problems << QCoreApplication::translate("Sha256File", "line %1 is not \"digest  name\"").arg(number);
            continue;
        }
        parsed.items << item;
    }
    return parsed;
}
