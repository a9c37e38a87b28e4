#pragma once

#include <QString>

// Settings and working files of the application directory are named without
// regard to case, as they were on the file system the program comes from.
namespace appfiles {

// The host path of the entry of `dirHost` whose name equals `name` in any
// case, or dirHost/name when there is none.
QString find(const QString& dirHost, const QString& name);
bool exists(const QString& dirHost, const QString& name);
// Removes every entry named `name` in any case; true when none is left.
bool removeAll(const QString& dirHost, const QString& name);
// Creates the folder unless one of that name exists in any case.
bool ensureFolder(const QString& dirHost, const QString& name);

} // namespace appfiles
