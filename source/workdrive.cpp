#include "source/workdrive.h"

#include "job/captions.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>

namespace {

const QChar kDriveC = QLatin1Char('c');

int indexOfDrive(const QStringList& items, QChar letter)
{
    for (int i = 0; i < items.size(); ++i) {
        if (!items.at(i).isEmpty() && items.at(i).at(0) == letter.toLower())
            return i;
    }
    return -1;
}

} // namespace

WorkDrive::WorkDrive(RipJob& job, ViewState& view, Services& services)
    : m_job(job)
    , m_view(view)
    , m_services(services)
{
}

QStringList WorkDrive::driveItems(const DriveService& drives)
{
    QStringList items;
    for (QChar letter : drives.driveLetters()) {
        const QString label = drives.driveLabel(letter);
        items << QString(letter.toLower()) + QLatin1Char(':') + (label.isEmpty() ? QString() : QLatin1Char(' ') + label);
    }
    return items;
}

void WorkDrive::refreshDrives()
{
    const QChar before = currentLetter();
    m_view.source.driveItems = driveItems(*m_services.drives);
    int index = before.isNull() ? -1 : indexOfDrive(m_view.source.driveItems, before);
    if (index < 0)
        index = indexOfDrive(m_view.source.driveItems, kDriveC);
    if (index < 0 && !m_view.source.driveItems.isEmpty())
        index = 0;
    m_view.source.currentDrive = index;
    m_view.notify();
}

QString WorkDrive::currentItem() const
{
    const int index = m_view.source.currentDrive;
    if (index < 0 || index >= m_view.source.driveItems.size())
        return {};
    return m_view.source.driveItems.at(index);
}

QChar WorkDrive::currentLetter() const
{
    const QString item = currentItem();
    return item.isEmpty() ? QChar() : item.at(0);
}

void WorkDrive::setCurrent(int index)
{
    m_view.source.currentDrive = index;
    m_view.notify();
}

bool WorkDrive::selectDrive(QChar letter)
{
    const int index = indexOfDrive(m_view.source.driveItems, letter);
    if (index < 0)
        return false;
    if (index == m_view.source.currentDrive)
        return true;
    setCurrent(index);
    workDriveChanged();
    return true;
}

void WorkDrive::itemChosen(const QString& item)
{
    // The item names its drive by its first character; a label may have
    // changed since the list was shown.
    const int index = item.isEmpty() ? -1 : indexOfDrive(m_view.source.driveItems, item.at(0).toLower());
    if (index < 0 || index == m_view.source.currentDrive)
        return;
    setCurrent(index);
    workDriveChanged();
}

void WorkDrive::fallBackToDriveC()
{
    // Selecting c runs this command again for c, unless c is already the
    // current drive: then nothing changes, the label included.
    selectDrive(kDriveC);
    if (!currentLetter().isNull())
        m_job.setWorkDrive(currentLetter());
}

void WorkDrive::workDriveChanged()
{
    if (m_services.shell)
        m_services.shell->focus(FocusTarget::SourceSink);
    const QChar letter = currentLetter();
    const auto freeBytes = letter.isNull() ? std::nullopt : m_services.drives->driveFreeBytes(QString(letter));
    // A drive without a medium, or a CD: the archiver could not write there.
    if (!freeBytes || float(*freeBytes) < float(kSmallestDrive)) {
        fallBackToDriveC();
        return;
    }
    m_view.source.freeSpaceLabel = freeSpaceLabel(*freeBytes);
    m_view.notify();
    m_job.setWorkDrive(letter);
    if (!freeSpaceTest())
        fallBackToDriveC();
}

bool WorkDrive::freeSpaceTest()
{
    const QChar letter = currentLetter();
    if (letter.isNull())
        return false;
    const auto freeBytes = m_services.drives->driveFreeBytes(QString(letter));
    if (!freeBytes)
        return false;
    // Always in megabytes: a drive with less than one million bytes left
    // must not be compared with the source in bytes, as if it had room.
    const float freeMegabytes = float(*freeBytes) / 1000000.0f;
    if (freeMegabytes < m_job.sourceMegabytes())
        m_services.messages->show(QCoreApplication::translate("WorkDrive", "Zavok32 error"), warningText(letter), MessageIcon::Exclamation);
    return true;
}

QString WorkDrive::freeSpaceLabel(qint64 freeBytes)
{
    return QCoreApplication::translate("WorkDrive", "Free space on\r") + numbertext::signedDecimal(captions::wholeMegabytes(freeBytes))
        + QCoreApplication::translate("WorkDrive", " Meg.");
}

QString WorkDrive::warningText(QChar driveLetter)
{
    return QCoreApplication::translate("WorkDrive", "You might not have enough free space on\r") + driveLetter
        + QCoreApplication::translate("WorkDrive", " drive for Rar's/Ace's, should pick another drive.");
}
