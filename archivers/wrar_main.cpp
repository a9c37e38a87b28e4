#include "archiverapp.h"

#include <QStringList>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ArchiverApp(ArchiverKind::Rar, out, err).run(args);
}
