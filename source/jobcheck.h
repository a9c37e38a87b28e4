#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class RipJob;
class ViewState;
enum class PageId;
struct AppState;
struct Services;

// The pass that checks a whole job before it may run: the source, the skip
// entries, the description, information, extra and ZIP settings, and the
// base name. It stops at the first problem, shows the page where the user
// can mend it, and sets readyToRun only when everything passes.
class JobCheck
{
public:
    // With a view, each page it shows carries a notice saying what is
    // missing there.
    JobCheck(RipJob& job, AppState& app, Services& services, ViewState* view = nullptr);

    // The description-numbering test; true when the numbering fits the
    // description file. Wired by the program; a check without it treats the
    // numbering as fitting and leaves the test to the run.
    std::function<bool()> checkDizNumbering;

    void checkJob();

    // Empty when the base name can name a file; otherwise the message that
    // refuses it. Blanks have always been refused; characters that no file
    // name may hold are refused too, since the name becomes part of a path.
    // An empty name gives no message: it has its own rule.
    static QString baseNameRefusal(const QString& baseName);
    static bool isForbiddenInFileName(QChar c);

    static QString spacesText() { return QCoreApplication::translate("JobCheck", "Spaces aren't allowed in filename"); }
    static QString charactersText() { return QCoreApplication::translate("JobCheck", "Characters \\ / : * ? \" < > | aren't allowed in filename"); }

private:
    bool sourceExists();
    void checkSkipEntries();
    bool skipItemExists(const QString& entry, const QString& fullPath) const;
    void dropSkipEntry(const QString& text);
    bool checkContents();
    bool checkBaseName();
    void showProblem(PageId page, const QString& notice);
    void endUnattended(const QString& reason);

    RipJob& m_job;
    AppState& m_app;
    Services& m_services;
    ViewState* m_view = nullptr;
};
