#pragma once

#include "commandline.h"

#include <QString>

// What wrar and wace say about themselves: the usage lines shown with a
// command line they cannot read, --help and --version.
class ArchiverHelp {
public:
    static QString usage(ArchiverKind kind);
    static QString help(ArchiverKind kind);
    static QString version(ArchiverKind kind);
    static QString program(ArchiverKind kind);
};
