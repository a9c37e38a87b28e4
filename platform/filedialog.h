#pragma once

#include <QString>
#include <optional>

// What a caller sets on the file dialog. The filter has the "Label|pattern|"
// form ("Script (*.zvk)|*.zvk|"); the read-only check box is always hidden;
// the dialog never asks before overwriting and never adds an extension.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString filter;
    int filterIndex = 1;   // 0 and 1 both select the first filter
    QString initialDir;    // DOS path; may name a file, whose folder is used; empty: the system's choice
    QString fileName;      // preset name or pattern, such as "*.zvk"
};

class FileDialog
{
public:
    virtual ~FileDialog() = default;
    // The chosen full path in DOS form, or empty when the user cancelled.
    virtual std::optional<QString> ask(const FileDialogRequest& request) = 0;
};
