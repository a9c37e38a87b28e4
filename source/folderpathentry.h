#pragma once

#include <QString>
#include <optional>

class DriveService;

// What a user types or pastes into a folder picker's path field, turned into
// the DOS folder the picker then selects: a DOS path ("d:\games", "D:/Games",
// "d:"), a host path ("/home/ann/games", "~/games") or a file URL, with or
// without quotes around it.
class FolderPathEntry
{
public:
    // Empty when the text names no existing folder, or one outside the
    // picker's root ("desktop" or empty: every drive).
    static std::optional<QString> resolve(const DriveService& drives, const QString& root, const QString& typed);

    // "D:/Games\\extras\.." -> "D:\Games"; "d:" -> "d:\". Empty for a text
    // that does not start with a drive letter.
    static QString normalisedDosPath(const QString& text);
    static bool isWithin(const QString& dosPath, const QString& root);

    // A file dialog's name field: a DOS path typed there ("d:\games\x.zvk",
    // "D:/Games") as the host path the dialog can go to. Empty for any other
    // text (a plain name, a host path) and for a drive that is not there.
    static std::optional<QString> typedDosPathToHost(const DriveService& drives, const QString& typed);
};
