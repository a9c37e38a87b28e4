#include "ui/links.h"

#include <QDesktopServices>
#include <QUrl>

namespace links {

QString webPage()
{
    return QStringLiteral("https://zavok32.example.org/");
}

QString email()
{
    return QStringLiteral("zavok32@example.org");
}

void openWebPage()
{
    QDesktopServices::openUrl(QUrl(webPage()));
}

void openEmail()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + email()));
}

} // namespace links
