#pragma once

#include <QIcon>

// The program's own icon, a floppy set struck by a bolt, built into the
// program at the sizes it was drawn for (dist/icons, also installed into
// the desktop's icon theme), so that the window shows it from a build tree
// as well as from an installation.
class ProgramIcon
{
public:
    static QIcon icon();
};
