#pragma once

#include <QCoreApplication>
#include <QString>

class FolderSelection;
class RipJob;
class ViewState;
struct Services;

// The Skip page's commands: add a sub-directory or a file of the source to
// the list the archiver leaves out, and empty the list. Entries hold the
// item's own name only ("extras\*.*", "readme.txt"), found again below
// sourcePath by the job check.
class SkipList
{
public:
    // The page's "&Sub-dir" / "&File" choice; "&Sub-dir" at start.
    enum class Kind { SubDirectory, File };

    // With a view, the page's notice says why the source itself was not added.
    SkipList(RipJob& job, Services& services, const FolderSelection& folderSelection, ViewState* view = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }

    // The page's Browse button.
    void addSkipEntry();
    // The "&Clear" button.
    void clearSkipEntries();

    static QString noSourceText() { return QCoreApplication::translate("SkipList", "You must pick a source drive or directory first"); }
    static QString outsideSourceText() { return QCoreApplication::translate("SkipList", "Path isn't within source path"); }

    // What follows the last "\" of a path.
    static QString ownName(const QString& path);

private:
    void addSubDirectory();
    void addFile();

    RipJob& m_job;
    Services& m_services;
    const FolderSelection& m_folderSelection;
    ViewState* m_view = nullptr;
    Kind m_kind = Kind::SubDirectory;
};
