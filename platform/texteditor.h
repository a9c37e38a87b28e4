#pragma once

#include <QString>

// The desktop's editor for plain text, in which the user writes the
// information file and looks at the ZIP comment. It is started on a file and
// left running: nobody waits for it, and what it saves is read from the file
// when it is next needed.
class TextEditor
{
public:
    virtual ~TextEditor() = default;
    // Opens a host file; false when no editor could be started at all.
    virtual bool open(const QString& hostPath) = 0;
};
