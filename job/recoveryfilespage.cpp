#include "job/recoveryfilespage.h"

#include "job/appstate.h"
#include "job/recoveryoption.h"

#include <algorithm>

#include <QCoreApplication>

RecoveryFilesPage::RecoveryFilesPage(AppState& app, const QString& appDirHost)
    : m_app(app)
    , m_appDir(appDirHost)
{
    m_view.explanation = QCoreApplication::translate("RecoveryFilesPage", 
        "After the ZIPs are made, a run can write PAR2 recovery files beside them: with them, "
        "File > Check a set (or zavok32 --repair) rebuilds ZIPs that went missing or were damaged. "
        "They fit the medium the ZIPs were cut for.");
    m_view.none = m_app.recoveryZips <= 0;
    m_view.zips = m_view.none ? kFewest : std::min(m_app.recoveryZips, RecoveryOption::Most);
    refresh();
}

void RecoveryFilesPage::refresh()
{
    m_view.zipsEnabled = !m_view.none;
    m_view.sizeNote = m_view.none
        ? QCoreApplication::translate("RecoveryFilesPage", "No recovery files are written.")
        : QCoreApplication::translate("RecoveryFilesPage", "About %1 times the size of the largest ZIP, in %2 files of half its size; "
                         "a set of fewer ZIPs gets enough to rebuild all of them.")
              .arg(m_view.zips)
              .arg(2 * m_view.zips);
}

void RecoveryFilesPage::chooseNone()
{
    m_view.none = true;
    refresh();
}

void RecoveryFilesPage::chooseZips()
{
    m_view.none = false;
    refresh();
}

void RecoveryFilesPage::setZips(int zips)
{
    m_view.zips = std::clamp(zips, int(kFewest), int(RecoveryOption::Most));
    refresh();
}

bool RecoveryFilesPage::accept(QString* error)
{
    const int zips = m_view.none ? 0 : m_view.zips;
    if (!RecoveryOption::save(m_appDir, zips)) {
        if (error)
            *error = QCoreApplication::translate("RecoveryFilesPage", "The setting could not be saved in %1.\rCheck that the application directory is "
                                    "writable; the runs of this session use it all the same.")
                         .arg(m_appDir + QLatin1Char('/') + RecoveryOption::fileName());
        m_app.recoveryZips = zips;
        return false;
    }
    m_app.recoveryZips = zips;
    return true;
}
