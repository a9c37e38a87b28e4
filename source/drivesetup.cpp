#include "source/drivesetup.h"

#include "platform/drivemap.h"
#include "platform/driveservice.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

DriveSetup::DriveSetup(const DriveMap& map, const DriveService& drives, VolumeSource volumes)
    : m_map(map)
    , m_drives(drives)
    , m_volumeSource(std::move(volumes))
{
    for (char c = 'a'; c <= 'z'; ++c)
        m_view.letterChoices << QString(QLatin1Char(c)) + QLatin1Char(':');
    refresh();
    // A fresh dialog offers the first free letter after c for an Add.
    for (char c = 'd'; c <= 'z'; ++c) {
        if (rowOf(QLatin1Char(c)) < 0) {
            chooseLetter(QLatin1Char(c));
            break;
        }
    }
}

void DriveSetup::refresh()
{
    const QChar selected = m_view.selectedRow >= 0 && m_view.selectedRow < m_view.rows.size()
        ? m_view.rows.at(m_view.selectedRow).letter
        : QChar();
    m_view.rows.clear();
    for (QChar letter : m_map.letters()) {
        DriveRow row;
        row.letter = letter;
        row.drive = QString(letter) + QLatin1Char(':');
        row.target = m_map.linkTarget(letter);
        row.label = m_drives.driveLabel(letter);
        row.hasMedium = m_map.driveRoot(letter).has_value();
        row.freeSpace = freeSpaceText(m_drives, letter);
        m_view.rows << row;
    }
    m_volumes = m_volumeSource ? m_volumeSource() : QList<MountedVolume>{};
    m_view.volumeChoices.clear();
    for (const MountedVolume& volume : m_volumes)
        m_view.volumeChoices << volume.displayName();
    m_view.selectedRow = selected.isNull() ? -1 : rowOf(selected);
    updateButtons();
}

void DriveSetup::selectRow(int row)
{
    if (row < 0 || row >= m_view.rows.size())
        return;
    m_view.selectedRow = row;
    m_view.currentLetter = int(m_view.rows.at(row).letter.unicode() - 'a');
    m_view.target = m_view.rows.at(row).target;
    updateButtons();
}

void DriveSetup::chooseLetter(QChar letter)
{
    const QChar lower = letter.toLower();
    if (lower < QLatin1Char('a') || lower > QLatin1Char('z'))
        return;
    m_view.currentLetter = int(lower.unicode() - 'a');
    m_view.selectedRow = rowOf(lower);
    updateButtons();
}

void DriveSetup::setTarget(const QString& hostFolder)
{
    m_view.target = hostFolder;
    updateButtons();
}

void DriveSetup::chooseVolume(int index)
{
    if (index < 0 || index >= m_volumes.size())
        return;
    setTarget(m_volumes.at(index).root);
}

bool DriveSetup::add()
{
    updateButtons();
    if (!m_view.addEnabled)
        return false;
    const QChar letter = chosenLetter();
    return write(letter, cleanTarget(), QCoreApplication::translate("DriveSetup", "%1: now points at %2.").arg(letter).arg(cleanTarget()));
}

bool DriveSetup::change()
{
    updateButtons();
    if (!m_view.changeEnabled)
        return false;
    const QChar letter = chosenLetter();
    return write(letter, cleanTarget(), QCoreApplication::translate("DriveSetup", "%1: now points at %2.").arg(letter).arg(cleanTarget()));
}

bool DriveSetup::remove()
{
    updateButtons();
    if (!m_view.removeEnabled)
        return false;
    const QChar letter = chosenLetter();
    if (!m_map.unmapDrive(letter)) {
        m_view.status = notWrittenText(letter, m_map.dosdevicesPath());
        return false;
    }
    m_view.selectedRow = -1;
    refresh();
    m_view.status = QCoreApplication::translate("DriveSetup", "%1: was removed; its folder was left as it was.").arg(letter);
    if (drivesChanged)
        drivesChanged();
    return true;
}

bool DriveSetup::write(QChar letter, const QString& target, const QString& done)
{
    if (!m_map.mapDrive(letter, target)) {
        m_view.status = notWrittenText(letter, m_map.dosdevicesPath());
        return false;
    }
    refresh();
    m_view.selectedRow = rowOf(letter);
    updateButtons();
    m_view.status = done;
    if (drivesChanged)
        drivesChanged();
    return true;
}

QChar DriveSetup::chosenLetter() const
{
    if (m_view.currentLetter < 0 || m_view.currentLetter >= 26)
        return {};
    return QLatin1Char(char('a' + m_view.currentLetter));
}

int DriveSetup::rowOf(QChar letter) const
{
    for (int i = 0; i < m_view.rows.size(); ++i) {
        if (m_view.rows.at(i).letter == letter.toLower())
            return i;
    }
    return -1;
}

QString DriveSetup::cleanTarget() const
{
    const QString typed = m_view.target.trimmed();
    if (typed.isEmpty())
        return {};
    return QDir::cleanPath(QDir::isAbsolutePath(typed) ? typed : QDir::home().absoluteFilePath(typed));
}

void DriveSetup::updateButtons()
{
    const QChar letter = chosenLetter();
    const int row = letter.isNull() ? -1 : rowOf(letter);
    const QString target = cleanTarget();
    const bool folder = !target.isEmpty() && QFileInfo(target).isDir();
    m_view.addEnabled = !letter.isNull() && row < 0 && folder;
    m_view.changeEnabled = row >= 0 && folder && QDir::cleanPath(m_view.rows.at(row).target) != target;
    m_view.removeEnabled = row >= 0 && DriveMap::isRemovable(letter);

    const bool ownTarget = row >= 0 && QDir::cleanPath(m_view.rows.at(row).target) == target;
    if (ownTarget && !m_view.rows.at(row).hasMedium)
        m_view.status = QCoreApplication::translate("DriveSetup", "%1: has no medium: %2 is not there. Insert or mount it, or point the letter elsewhere.")
                            .arg(letter)
                            .arg(m_view.rows.at(row).target);
    else if (!target.isEmpty() && !folder)
        m_view.status = notAFolderText(target);
    else if (row >= 0 && !DriveMap::isRemovable(letter))
        m_view.status = cannotRemoveText();
    else
        m_view.status.clear();
}

QString DriveSetup::freeSpaceText(const DriveService& drives, QChar letter)
{
    const QString drive = QString(letter);
    const auto free = drives.driveFreeBytes(drive);
    if (!free)
        return QCoreApplication::translate("DriveSetup", "no medium");
    if (*free == 0 && drives.driveTotalBytes(drive).value_or(0) > 0)
        return QCoreApplication::translate("DriveSetup", "read-only");
    return numbertext::grouped(*free / 1000000) + QCoreApplication::translate("DriveSetup", " MB free");
}

QString DriveSetup::cannotRemoveText()
{
    return QCoreApplication::translate("DriveSetup", "c: holds the program's own files and cannot be removed; it can point at another folder.");
}

QString DriveSetup::notAFolderText(const QString& target)
{
    return QCoreApplication::translate("DriveSetup", "%1 is not a folder.").arg(target);
}

QString DriveSetup::notWrittenText(QChar letter, const QString& where)
{
    return QCoreApplication::translate("DriveSetup", "%1: could not be written in %2. Is the folder writable?").arg(letter).arg(where);
}
