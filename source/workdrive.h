#pragma once

#include <QString>
#include <QStringList>

class DriveService;
class RipJob;
class ViewState;
struct Services;

// The Source page's "Drive for Rars/Aces" list, on which the archiver writes
// its volumes: which drive is current, the free space under it, and the
// warning when the drive has less room than the source is big. The list
// itself is page state (view.source.driveItems, currentDrive); workDrive
// always names its current drive once a choice has been made.
class WorkDrive
{
public:
    WorkDrive(RipJob& job, ViewState& view, Services& services);

    // The list's items, one per mapped drive, in order, each its letter,
    // ":" and the drive's label: "c: drive_c", "d: GAME_CD", "z: /". Every
    // reader takes the drive from the first character only.
    static QStringList driveItems(const DriveService& drives);
    // Fills the list anew from the mapped drives. The current drive stays
    // when it is still mapped; otherwise drive c becomes current, without
    // a change event, as the list starts out.
    void refreshDrives();

    // The list's current item; empty while the list is empty.
    QString currentItem() const;
    // Selects the item of a drive as code does: a change of the current
    // drive runs workDriveChanged, selecting the current drive again does
    // nothing. False when no item names the letter.
    bool selectDrive(QChar letter);
    // The list's change event: the user chose an item.
    void itemChosen(const QString& item);

    // Refuses a drive with less than 2,000,000 bytes free (or none that can
    // be read) by going back to drive c; otherwise shows its free space,
    // makes it the work drive and warns when the source will not fit.
    void workDriveChanged();
    // The warning after a source choice and a drive change. Nothing else
    // changes: the drive stays. False when the free space cannot be read.
    bool freeSpaceTest();

    // "Free space on" CR " 650 Meg."
    static QString freeSpaceLabel(qint64 freeBytes);
    static QString warningText(QChar driveLetter);
    static constexpr qint64 kSmallestDrive = 2000000;

private:
    void setCurrent(int index);
    void fallBackToDriveC();
    QChar currentLetter() const;

    RipJob& m_job;
    ViewState& m_view;
    Services& m_services;
};
