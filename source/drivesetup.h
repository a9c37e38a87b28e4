#pragma once

#include "platform/mountedvolumes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class DriveMap;
class DriveService;

// One line of the drive table: the letter, the folder it points at, and the
// room on it or that its medium is gone.
struct DriveRow {
    QChar letter;
    QString drive;     // "d:"
    QString target;    // host folder, "/media/cdrom"
    QString label;     // "GAME_CD"
    QString freeSpace; // "1,500 MB free", "read-only", "no medium"
    bool hasMedium = false;
};

// Everything the Drives dialog shows; filled by DriveSetup only.
struct DriveSetupView {
    QList<DriveRow> rows;
    int selectedRow = -1;
    // Every letter a: to z:, and the one the next Add or Change is for.
    QStringList letterChoices;
    int currentLetter = -1;
    // The folder typed, picked or taken from a volume.
    QString target;
    // The mounted volumes a letter can be pointed at, by display name.
    QStringList volumeChoices;
    bool addEnabled = false;
    bool changeEnabled = false;
    bool removeEnabled = false;
    QString status;
};

// The drive letters as the user sets them up without a terminal: every
// letter with its folder and free space, and adding, changing and removing
// letters. Each change writes the dosdevices link at once and runs
// drivesChanged, so every drive list and picker shows the new set.
class DriveSetup
{
public:
    using VolumeSource = std::function<QList<MountedVolume>()>;

    DriveSetup(const DriveMap& map, const DriveService& drives, VolumeSource volumes = &MountedVolumes::list);

    const DriveSetupView& view() const { return m_view; }
    // Runs after the links changed.
    std::function<void()> drivesChanged;

    // Reads the links and the mounted volumes again.
    void refresh();
    // The table: a row chosen; the letter and folder fields follow it.
    void selectRow(int row);
    // The letter list.
    void chooseLetter(QChar letter);
    // The folder field, typed or filled by the folder dialog.
    void setTarget(const QString& hostFolder);
    // The volume list: the volume's mount point becomes the folder.
    void chooseVolume(int index);

    // The buttons; false when nothing was written (the status says why).
    bool add();
    bool change();
    bool remove();

    static QString freeSpaceText(const DriveService& drives, QChar letter);
    static QString cannotRemoveText();
    static QString notAFolderText(const QString& target);
    static QString notWrittenText(QChar letter, const QString& where);

private:
    QChar chosenLetter() const;
    int rowOf(QChar letter) const;
    QString cleanTarget() const;
    void updateButtons();
    bool write(QChar letter, const QString& target, const QString& done);

    const DriveMap& m_map;
    const DriveService& m_drives;
    VolumeSource m_volumeSource;
    QList<MountedVolume> m_volumes;
    DriveSetupView m_view;
};
