#include "ui/mainwindow.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "pipeline/wholeruntext.h"
#include "platform/services.h"
#include "platform/soundplayer.h"
#include "platform/zipcomponent.h"
#include "ui/aboutpage.h"
#include "ui/aboutwindow.h"
#include "ui/dizpage.h"
#include "ui/helpwindow.h"
#include "ui/links.h"
#include "ui/listbar.h"
#include "ui/nfopage.h"
#include "ui/runpage.h"
#include "ui/skippage.h"
#include "ui/sourcepage.h"
#include "ui/zippage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>

namespace {

std::optional<PageId> pageOfCommand(MenuCommand command)
{
    switch (command) {
    case MenuCommand::PageSource: return PageId::Source;
    case MenuCommand::PageSkip: return PageId::Skip;
    case MenuCommand::PageDiz: return PageId::Diz;
    case MenuCommand::PageNfo: return PageId::Nfo;
    case MenuCommand::PageZip: return PageId::Zip;
    case MenuCommand::PageRun: return PageId::Run;
    default: return std::nullopt;
    }
}

} // namespace

MainWindow::MainWindow(RipJob& job, ViewState& view, AppState& app, Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_job(job)
    , m_view(view)
    , m_app(app)
    , m_services(services)
    , m_navigation(app, job)
{
    setObjectName(QStringLiteral("mainWindow"));
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(6, 6, 6, 6);
    m_listBar = new ListBar(central);
    row->addWidget(m_listBar);

    auto* column = new QVBoxLayout;
    m_title = new QLabel(central);
    m_title->setObjectName(QStringLiteral("titlePanel"));
    m_title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_title->setFont(titleFont);
    m_title->setMinimumHeight(m_title->fontMetrics().height() + 10);
    column->addWidget(m_title);

    m_pages = new QStackedWidget(central);
    m_source = new SourcePage(job, view, m_pages);
    m_skip = new SkipPage(job, view, m_pages);
    m_diz = new DizPage(job, view, m_pages);
    m_nfo = new NfoPage(job, view, m_pages);
    m_zip = new ZipPage(job, view, m_pages);
    m_run = new RunPage(view, m_pages);
    m_about = new AboutPage(m_pages);
    for (QWidget* page : {static_cast<QWidget*>(m_source), static_cast<QWidget*>(m_skip),
                          static_cast<QWidget*>(m_diz), static_cast<QWidget*>(m_nfo), static_cast<QWidget*>(m_zip),
                          static_cast<QWidget*>(m_run), static_cast<QWidget*>(m_about)})
        m_pages->addWidget(page);
    column->addWidget(m_pages, 1);
    row->addLayout(column, 1);
    setCentralWidget(central);

    buildMenus();
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("startupNotice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_noticeDismiss = new QToolButton(this);
    m_noticeDismiss->setObjectName(QStringLiteral("startupNoticeDismiss"));
    m_noticeDismiss->setText(QStringLiteral("\u00d7"));
    m_noticeDismiss->setToolTip(tr("Dismiss"));
    m_noticeDismiss->setAutoRaise(true);
    statusBar()->addWidget(m_notice, 1);
    statusBar()->addPermanentWidget(m_noticeDismiss);
    statusBar()->setSizeGripEnabled(false);
    connect(m_noticeDismiss, &QToolButton::clicked, this, [this] {
        m_view.window.notice.clear();
        m_view.notify();
    });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { openHelp(false); });

    m_navigation.changed = [this] { showNavigation(); };
    m_navigation.playSound = [this](const QString& wave) {
        if (m_services.sounds)
            m_services.sounds->play(wave, false);
    };
    m_navigation.repaint = [this] { repaint(); };
    m_navigation.focus = [this](FocusTarget target) { focus(target); };
    m_navigation.zipNameCaretToEnd = [this] { m_zip->nameBox()->end(false); };
    m_navigation.startRun = [this] { startRun(); };
    m_navigation.openHelp = [this](bool takeFocus) { openHelp(takeFocus); };

    connect(m_listBar, &ListBar::itemClicked, this, [this](const QString& text) { m_navigation.itemClicked(text); });
    connect(m_listBar, &ListBar::groupClicked, this,
            [this](ListGroup clicked, ListGroup before) { m_navigation.groupClicked(clicked, before); });
    connect(m_run, &RunPage::abortClicked, this, [this] {
        if (abortRun)
            abortRun();
    });
    connect(m_run, &RunPage::exitClicked, this, [this] {
        if (exitRun)
            exitRun();
        else
            close();
    });
    connect(m_about, &AboutPage::signatureClicked, this, &MainWindow::openAboutWindow);
    connect(m_about, &AboutPage::webClicked, this, [] { links::openWebPage(); });
    connect(m_about, &AboutPage::emailClicked, this, [] { links::openEmail(); });
    connect(&m_view, &ViewState::changed, this, &MainWindow::showView);
    connect(&m_job, &RipJob::changed, this, [this](RipJob::Field field) {
        if (field == RipJob::Field::UseZipComment)
            refreshChecks();
    });

    resize(660, 460);
    setMinimumSize(600, 420);
    showNavigation();
    showView();
    refreshChecks();
}

MainWindow::~MainWindow()
{
    delete m_help;
    delete m_aboutWindow;
}

void MainWindow::buildMenus()
{
    for (const MenuSpec& spec : MenuTable::menus()) {
        QMenu* menu = menuBar()->addMenu(MenuTable::shown(spec.title));
        addItems(menu, spec.items);
    }
}

void MainWindow::addItems(QMenu* menu, const QList<MenuItemSpec>& items)
{
    for (const MenuItemSpec& spec : items) {
        if (spec.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!spec.submenu.isEmpty()) {
            QMenu* sub = menu->addMenu(MenuTable::shown(spec.text));
            sub->setObjectName(QStringLiteral("pageMenu"));
            m_pageMenu = sub;
            addItems(sub, spec.submenu);
            continue;
        }
        QAction* action = menu->addAction(MenuTable::shown(spec.text));
        if (!spec.shortcut.isEmpty()) {
            action->setShortcut(QKeySequence(spec.shortcut, QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setCheckable(spec.checkable);
        const MenuCommand command = spec.command;
        // The check marks are logic's to set: a click asks, the redraw shows.
        connect(action, &QAction::triggered, this, [this, command] {
            runCommand(command);
            refreshChecks();
            showNavigation();
        });
        m_actions.insert(command, action);
    }
}

void MainWindow::runCommand(MenuCommand command)
{
    if (const auto page = pageOfCommand(command)) {
        if (*page == PageId::Run)
            startRun();
        else
            m_navigation.showPage(*page);
        return;
    }
    const auto call = [](const std::function<void()>& hook) {
        if (hook)
            hook();
    };
    switch (command) {
    case MenuCommand::OpenScript: call(openScript); break;
    case MenuCommand::SaveScript: call(saveScript); break;
    case MenuCommand::Exit:
        if (confirmClose && !confirmClose())
            break;
        // The ZIP component may be in the middle of a file: stop it first.
        if (m_services.zip)
            m_services.zip->setStop(true);
        QCoreApplication::processEvents();
        close();
        break;
    case MenuCommand::Sounds: call(toggleSounds); break;
    case MenuCommand::Drives: call(openDrives); break;
    case MenuCommand::CleanUp: call(openCleanUp); break;
    case MenuCommand::VerifyAfterPacking: call(toggleVerify); break;
    case MenuCommand::ChecksumFiles: call(toggleChecksums); break;
    case MenuCommand::RecoveryFiles: call(recoveryFiles); break;
    case MenuCommand::CheckSet: call(checkSet); break;
    case MenuCommand::UseZipComment: call(toggleZipComment); break;
    case MenuCommand::OpenZipComment: call(openZipComment); break;
    case MenuCommand::ViewZipComment: call(viewZipComment); break;
    case MenuCommand::HelpContents: helpWindow()->showContents(true); break;
    case MenuCommand::HelpIndex: helpWindow()->showIndex(); break;
    case MenuCommand::WebPage: links::openWebPage(); break;
    case MenuCommand::Email: links::openEmail(); break;
    case MenuCommand::About: openAboutWindow(); break;
    default: break;
    }
}

void MainWindow::startRun()
{
    if (runJob)
        runJob();
    else
        showPage(PageId::Run);
}

QWidget* MainWindow::page(PageId page) const
{
    switch (page) {
    case PageId::Source: return m_source;
    case PageId::Skip: return m_skip;
    case PageId::Diz: return m_diz;
    case PageId::Nfo: return m_nfo;
    case PageId::Zip: return m_zip;
    case PageId::Run: return m_run;
    case PageId::About: return m_about;
    }
    return nullptr;
}

void MainWindow::showNavigation()
{
    m_pages->setCurrentWidget(page(m_navigation.visiblePage()));
    m_title->setText(Navigation::shown(m_navigation.title()));
    // The bar follows the page shown by the menu, a shortcut or the run too.
    m_listBar->showCurrent(Navigation::titleText(m_navigation.visiblePage()).trimmed());
    for (MenuCommand command : {MenuCommand::PageSource, MenuCommand::PageSkip, MenuCommand::PageDiz,
                                MenuCommand::PageNfo, MenuCommand::PageZip, MenuCommand::PageRun}) {
        if (QAction* a = m_actions.value(command))
            a->setChecked(m_navigation.checkedItem() == pageOfCommand(command));
    }
}

void MainWindow::refreshChecks()
{
    if (QAction* sounds = m_actions.value(MenuCommand::Sounds))
        sounds->setChecked(m_app.soundsEnabled);
    if (QAction* verify = m_actions.value(MenuCommand::VerifyAfterPacking))
        verify->setChecked(m_app.verifyAfterPacking);
    if (QAction* sums = m_actions.value(MenuCommand::ChecksumFiles))
        sums->setChecked(m_app.checksumFiles);
    if (QAction* comment = m_actions.value(MenuCommand::UseZipComment))
        comment->setChecked(m_job.useZipComment());
}

void MainWindow::showView()
{
    const QString title = isMinimized() ? wholeruntext::minimisedTitle(m_view.window.caption, m_view.wholeRun)
                                        : m_view.window.caption;
    if (windowTitle() != title)
        setWindowTitle(title);
    m_notice->setText(m_view.window.notice);
    statusBar()->setVisible(!m_view.window.notice.isEmpty());
    m_listBar->setEnabled(m_view.window.listBarEnabled);
    m_listBar->setSkipItemShown(m_view.window.skipItemShown);
    m_listBar->showCurrent(Navigation::titleText(m_navigation.visiblePage()).trimmed());
    if (QAction* skip = m_actions.value(MenuCommand::PageSkip))
        skip->setEnabled(m_view.window.skipMenuEnabled);
    if (m_view.window.busyPointer)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

HelpWindow* MainWindow::helpWindow()
{
    if (!m_help)
        m_help = new HelpWindow(nullptr);
    return m_help;
}

void MainWindow::openHelp(bool takeFocus)
{
    helpWindow()->showContents(takeFocus);
}

void MainWindow::openAboutWindow()
{
    if (m_aboutWindow)
        return;
    m_aboutWindow = new AboutWindow(this);
    m_aboutWindow->setAttribute(Qt::WA_DeleteOnClose);
    if (m_services.sounds)
        m_aboutWindow->showWhilePlaying(*m_services.sounds);
    else
        m_aboutWindow->close();
}

void MainWindow::bringToFront()
{
    restoreMainWindow();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // Reached from the window's background, the pages' frames and labels and
    // the panels: controls with a menu of their own keep it.
    if (m_pageMenu) {
        m_pageMenu->popup(event->globalPos());
        event->accept();
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        showView();
    QMainWindow::changeEvent(event);
}

bool MainWindow::programActive() const
{
    return QApplication::activeWindow() != nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_shutdownDone && confirmClose && !confirmClose()) {
        event->ignore();
        return;
    }
    if (!m_shutdownDone) {
        m_shutdownDone = true;
        if (onShutdown)
            onShutdown();
    }
    if (m_help)
        m_help->close();
    if (m_aboutWindow)
        m_aboutWindow->close();
    event->accept();
}

void MainWindow::showPage(PageId page)
{
    m_navigation.showPage(page);
}

void MainWindow::focus(FocusTarget target)
{
    QWidget* widget = nullptr;
    switch (target) {
    case FocusTarget::SourceSink: widget = m_source->focusSink(); break;
    case FocusTarget::SkipSink: widget = m_skip->focusSink(); break;
    case FocusTarget::DizColumn: widget = m_diz->columnBox(); break;
    case FocusTarget::DizLine: widget = m_diz->lineBox(); break;
    case FocusTarget::ZipName: widget = m_zip->nameBox(); break;
    case FocusTarget::NfoSink: widget = m_nfo->focusSink(); break;
    case FocusTarget::DizSink: widget = m_diz->focusSink(); break;
    case FocusTarget::ZipSink: widget = m_zip->focusSink(); break;
    }
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void MainWindow::endApplication(int exitCode, const QString& reason)
{
    m_ended = true;
    m_exitCode = exitCode;
    if (onEndApplication) {
        onEndApplication(exitCode, reason);
        return;
    }
    if (!reason.isEmpty())
        std::fprintf(stderr, "zavok32: %s\n", qPrintable(reason));
    QCoreApplication::exit(exitCode);
}

void MainWindow::closeMainWindow()
{
    close();
}

void MainWindow::report(const QString& line)
{
    if (onReport) {
        onReport(line);
        return;
    }
    std::fprintf(stdout, "zavok32: %s\n", qPrintable(line));
    std::fflush(stdout);
}

void MainWindow::tellWarning(const QString& line)
{
    if (onWarning) {
        onWarning(line);
        return;
    }
    std::fprintf(stderr, "zavok32: warning: %s\n", qPrintable(line));
    std::fflush(stderr);
}

void MainWindow::minimiseMainWindow()
{
    showMinimized();
}

void MainWindow::restoreMainWindow()
{
    if (isMinimized() || !isVisible())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::setMainWindowEnabled(bool enabled)
{
    setEnabled(enabled);
}

void MainWindow::repaintMainWindow()
{
    repaint();
}
