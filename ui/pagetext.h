#pragma once

#include <QString>

namespace pagetext {

// Captions keep the CR and CR LF line breaks they were written with; a label
// breaks its lines at LF.
inline QString lines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace pagetext
