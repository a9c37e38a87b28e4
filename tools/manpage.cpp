// Writes the manual page zavok32(1) from its text and the program's own
// table of options, so that the page lists exactly what the program takes:
//   zavok32-manpage <page with the marker line> <page to write>
#include "app/commandlinehelp.h"

#include <QFile>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zavok32-manpage <page.in> <page>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zavok32-manpage: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray marker = QByteArrayLiteral(".\\\" OPTIONS TABLE\n");
    QByteArray page = in.readAll();
    if (page.count(marker) != 1) {
        std::fprintf(stderr, "zavok32-manpage: %s must hold the line .\\\" OPTIONS TABLE once\n", argv[1]);
        return 1;
    }
    page.replace(marker, CommandLineHelp::manualOptions().toUtf8());
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(page) != page.size() || !out.flush()) {
        std::fprintf(stderr, "zavok32-manpage: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
