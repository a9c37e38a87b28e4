#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <functional>

class RipJob;
struct AppState;
struct Services;

// Reads a *.zvk script into the job. Lines are taken by their place and
// values by fixed character positions, as scripts have always been written;
// the keys are not looked at. Fields are overwritten one by one as they are
// read: a failure leaves those read so far with their new values.
class ScriptReader
{
public:
    ScriptReader(RipJob& job, const AppState& app, Services& services, QString appDirHost);

    // Called after the size step is set, so the Zip page can apply its usual
    // effects (size caption, estimate, name bound).
    std::function<void()> onSizeStepChanged;

    // Why a script could not be read: the 1-based line (0 for the file as a
    // whole) and what was wrong with it. Empty `what`: no failure.
    struct Failure {
        int line = 0;
        QString what;
        // d:\job.zvk, line 17: " Size: 99999" is not a number from -32768 to 32767
        QString text(const QString& scriptPath) const;
    };

    // Where a script is read: named on the command line at start-up, or
    // opened from the File menu.
    enum class Occasion { Start, Menu };

    // Reads the file named by the job's scriptPath. Reports its own failures:
    // "Error in Zavok script" in an interactive launch, nothing in an
    // unattended one; but at the start of an unattended launch the program
    // ends with exit status 2 and one line saying where the script is wrong,
    // since a job read only in part must not run.
    void readScript(Occasion occasion = Occasion::Start);

    static QString errorText() { return QCoreApplication::translate("ScriptReader", "Error in Zavok script"); }

    // Far beyond any script a person or the program writes: 100,000 skip
    // entries (every entry names something directly in the source folder)
    // of some 40 characters. Larger files are refused without being read.
    static constexpr qint64 kMaxBytes = 4000000;
    static constexpr int kMaxSkipEntries = 100000;

private:
    Failure read(const QString& hostPath);
    bool readZipComment(const QString& path);

    RipJob& m_job;
    const AppState& m_app;
    Services& m_services;
    QString m_appDirHost;
};
