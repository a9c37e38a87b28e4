#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class RipJob;
class ViewState;
struct AppState;
struct Services;

// The File menu's script commands: save the job as a *.zvk script, and open
// one (read, check and measure it).
class ScriptFile
{
public:
    ScriptFile(RipJob& job, ViewState& view, const AppState& app, Services& services, QString appDirHost);

    // Steps that belong to other parts of the window, wired by the program.
    std::function<void(bool)> setImageMode;  // the "&Iso/Bin" switch; default: the job fields only
    std::function<void()> checkJob;
    std::function<void()> measureSource;
    std::function<void()> onSizeStepChanged;
    // After every read, before the check: what the fields read mean for the
    // fields a script does not store.
    std::function<void()> scriptRead;

    void saveScript();
    void openScript();
    // Opens the script as openScript does with this path chosen in its
    // dialog: a script handed over by a second start of the program.
    void openScriptFile(const QString& dosPath);
    // The read of a script named on the command line.
    void readScript();

    // The whole text of a script for the job, as written at a given time.
    static QString scriptText(const RipJob& job, const QDateTime& at);
    // Save: a name with no extension gets ".zvk"; any other stays as typed.
    static QString withScriptExtension(const QString& path);
    // Save over an existing file: OK replaces it, Cancel saves nothing.
    static QString replaceQuestion(const QString& path);

private:
    void clearForOpen();
    void openChosen(const QString& chosen);
    void read(bool atStart);
    QString scriptsDirectory() const;
    void setCaptionFrom(const QString& path);

    RipJob& m_job;
    ViewState& m_view;
    const AppState& m_app;
    Services& m_services;
    QString m_appDirHost;
};
