#pragma once

#include <QString>
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

    // Reads the file named by the job's scriptPath. Reports its own failures.
    void readScript();

    static QString errorText() { return QStringLiteral("Error in Zavok script"); }

private:
    bool read(const QString& hostPath);
    bool readZipComment(const QString& path);

    RipJob& m_job;
    const AppState& m_app;
    Services& m_services;
    QString m_appDirHost;
};
