#include "platform/uniquenames.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

// The bytes of a name as text: ASCII as it is, every other byte, and "%"
// itself, as "%XX".
QString percentEscaped(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes) {
        const uchar b = uchar(c);
        if (b >= 0x20 && b < 0x7F && b != '%')
            text += QLatin1Char(c);
        else
            text += QLatin1Char('%') + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return text;
}

} // namespace

UniqueNames::UniqueNames(const QStringList& names)
{
    m_existing.reserve(names.size());
    for (const QString& name : names)
        m_existing.insert(key(name));
}

bool UniqueNames::free(const QString& name) const
{
    const QString k = key(name);
    return !m_existing.contains(k) && !m_claimed.contains(k);
}

UniqueNames::Claim UniqueNames::claim(const QString& name, const QByteArray& nativeName, bool utf8,
                                      const QString& shownName)
{
    const auto earlier = m_claimed.constFind(key(name));
    if (earlier == m_claimed.constEnd()) {
        m_claimed.insert(key(name), shownName);
        return {name, false, {}};
    }
    const QString clashesWith = *earlier;
    QString base = utf8 ? name : percentEscaped(nativeName);
    if (utf8 || !free(base)) {
        const qsizetype folder = std::max(base.lastIndexOf(QLatin1Char('\\')), base.lastIndexOf(QLatin1Char('/')));
        qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
        if (dot <= folder + 1)
            dot = -1;
        const QString stem = dot > 0 ? base.left(dot) : base;
        const QString extension = dot > 0 ? base.mid(dot) : QString();
        for (int n = 2;; ++n) {
            base = stem + QStringLiteral(" (%1)").arg(n) + extension;
            if (free(base))
                break;
        }
    }
    m_claimed.insert(key(base), shownName);
    return {base, true, clashesWith};
}

QString UniqueNames::warning(const QString& folder, const QString& shownName, const Claim& claim)
{
    return QCoreApplication::translate("UniqueNames", "the names %1 and %2 in %3 are one name to the readers of the set: %2 is stored as %4")
        .arg(claim.clashesWith, shownName, folder, claim.name);
}
