#pragma once

#include <QCoreApplication>
#include <QString>

struct AppState;

// Options > "&Recovery files...": none, or recovery files enough to
// rebuild any N ZIPs of a set (1 to 99). The dialog starts from the
// remembered setting; "&OK" remembers the choice (RecoveryOption) and
// applies it to the runs that follow.
class RecoveryFilesPage
{
public:
    RecoveryFilesPage(AppState& app, const QString& appDirHost);

    struct View {
        QString title = QCoreApplication::translate("RecoveryFilesPage", "Recovery files");
        QString explanation;
        bool none = true;
        int zips = 1;
        bool zipsEnabled = false; // the number, only with "enough to rebuild"
        QString sizeNote;         // what the choice costs
    };
    const View& view() const { return m_view; }

    void chooseNone();
    void chooseZips();
    void setZips(int zips);
    // False, and `error` says why, when the setting could not be saved.
    bool accept(QString* error);

    static constexpr int kFewest = 1;

private:
    void refresh();

    AppState& m_app;
    QString m_appDir;
    View m_view;
};
