#pragma once

#include "platform/shell.h"
#include "ui/menutable.h"
#include "ui/navigation.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class AboutPage;
class AboutWindow;
class DizPage;
class HelpWindow;
class ListBar;
class NfoPage;
class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolButton;
class RipJob;
class RunPage;
class SkipPage;
class SourcePage;
class ViewState;
class ZipPage;
struct AppState;
struct Services;

// The main window: list bar, title panel, the pages, the menus. It forwards
// every command to logic (Navigation, or a hook the program wires) and draws
// what logic leaves in the job, the view state and the navigation.
class MainWindow : public QMainWindow, public Shell
{
    Q_OBJECT
public:
    MainWindow(RipJob& job, ViewState& view, AppState& app, Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shell
    void showPage(PageId page) override;
    void focus(FocusTarget target) override;
    void processPendingEvents() override;
    void endApplication(int exitCode = 0, const QString& reason = {}) override;
    void closeMainWindow() override;
    void report(const QString& line) override;
    void tellWarning(const QString& line) override;
    void minimiseMainWindow() override;
    void restoreMainWindow() override;
    void setMainWindowEnabled(bool enabled) override;
    void repaintMainWindow() override;
    std::optional<PageId> visiblePage() const override { return m_navigation.visiblePage(); }
    bool programActive() const override;

    // Commands of other parts of the program, wired by it.
    std::function<void()> openScript;
    std::function<void()> saveScript;
    std::function<void()> runJob;
    std::function<void()> abortRun;
    std::function<void()> exitRun;
    std::function<void()> toggleSounds;
    std::function<void()> openDrives;
    std::function<void()> openCleanUp;
    std::function<void()> toggleVerify;
    std::function<void()> toggleChecksums;
    std::function<void()> recoveryFiles;
    std::function<void()> checkSet;
    std::function<void()> toggleZipComment;
    std::function<void()> openZipComment;
    std::function<void()> viewZipComment;
    // The shutdown steps, run once when the window closes.
    std::function<void()> onShutdown;
    // Asked before the window closes (close box, File > Exit); false keeps it open.
    std::function<bool()> confirmClose;
    // Where a line for whoever follows an unattended run goes; default:
    // standard output.
    std::function<void(const QString& line)> onReport;
    // What ending the program means; default: leave the event loop with the code.
    std::function<void(int exitCode, const QString& reason)> onEndApplication;
    // Where an unattended run's warnings go; default: standard error.
    std::function<void(const QString& line)> onWarning;

    Navigation& navigation() { return m_navigation; }
    QAction* action(MenuCommand command) const { return m_actions.value(command); }
    QMenu* pageMenu() const { return m_pageMenu; }
    ListBar* listBar() const { return m_listBar; }
    QLabel* titlePanel() const { return m_title; }
    QLabel* noticeLabel() const { return m_notice; }
    QToolButton* noticeDismissButton() const { return m_noticeDismiss; }
    QWidget* page(PageId page) const;
    SourcePage* sourcePage() const { return m_source; }
    SkipPage* skipPage() const { return m_skip; }
    DizPage* dizPage() const { return m_diz; }
    NfoPage* nfoPage() const { return m_nfo; }
    ZipPage* zipPage() const { return m_zip; }
    RunPage* runPage() const { return m_run; }
    AboutPage* aboutPage() const { return m_about; }
    HelpWindow* helpWindow();
    bool ended() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

    void runCommand(MenuCommand command);
    void openAboutWindow();
    void openHelp(bool takeFocus);
    // Brings the window back when another copy of the program is started.
    void bringToFront();
    // Redraws the check marks that follow application state.
    void refreshChecks();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A minimised window's title carries the run's percent.
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void addItems(QMenu* menu, const QList<MenuItemSpec>& items);
    void showNavigation();
    void showView();
    void startRun();

    RipJob& m_job;
    ViewState& m_view;
    AppState& m_app;
    Services& m_services;
    Navigation m_navigation;

    ListBar* m_listBar = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_notice = nullptr;
    QToolButton* m_noticeDismiss = nullptr;
    QStackedWidget* m_pages = nullptr;
    SourcePage* m_source = nullptr;
    SkipPage* m_skip = nullptr;
    DizPage* m_diz = nullptr;
    NfoPage* m_nfo = nullptr;
    ZipPage* m_zip = nullptr;
    RunPage* m_run = nullptr;
    AboutPage* m_about = nullptr;
    QMenu* m_pageMenu = nullptr;
    QHash<MenuCommand, QAction*> m_actions;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_aboutWindow;
    bool m_shutdownDone = false;
    bool m_ended = false;
    int m_exitCode = 0;
};
