#include "app/programicon.h"

QIcon ProgramIcon::icon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/zavok32/icons/%1/zavok32.png").arg(size), QSize(size, size));
    return icon;
}
