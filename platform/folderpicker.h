#pragma once

#include <QString>
#include <functional>
#include <optional>

struct FolderPickerRequest {
    QString title;
    QString root;             // "desktop" (every drive), a DOS folder, or empty
    QString initialSelection; // DOS folder, may be empty
};

// What the selection handler may change while the picker is open.
struct FolderPickerFeedback {
    bool okEnabled = true;
    QString status;
};

class FolderPicker
{
public:
    // Called on every change of selection with the selected DOS path, which
    // the handler may empty.
    using SelectionHandler = std::function<void(QString& path, FolderPickerFeedback& feedback)>;

    virtual ~FolderPicker() = default;
    // The chosen DOS folder, or empty for Cancel.
    virtual std::optional<QString> pick(const FolderPickerRequest& request, const SelectionHandler& onSelection) = 0;
};
