#pragma once

#include <QString>
#include <QStringList>

// The ZIP folders that runs wrote into, newest first, kept in the
// application directory ("zipfolders.ini", one DOS path a line), so that
// Options > Clean up knows where unfinished ZIPs may lie.
namespace zipfolders {

constexpr int kKept = 20;

QStringList load(const QString& appDirHost);
// Puts a folder first (once); false when the file cannot be written.
bool remember(const QString& appDirHost, const QString& zipDirectoryDos);

} // namespace zipfolders
