#pragma once

#include "platform/shell.h"

#include <QString>
#include <functional>
#include <optional>

struct AppState;
class RipJob;

enum class ListGroup { Main, Extra };

// Which page the window shows, which Page menu item carries the check mark and
// what the title panel says, with the rules of the list bar and the Page
// menu. It touches no widget: the window draws from it after `changed`.
class Navigation
{
public:
    Navigation(const AppState& app, const RipJob& job);

    PageId visiblePage() const { return m_visible; }
    // The Page menu item with the check mark; none of Source..Zip and Run
    // when nothing is marked (About never carries one).
    std::optional<PageId> checkedItem() const { return m_checked; }
    QString title() const { return m_title; }

    static QString titleText(PageId page);
    // The list bar's item texts, which are also the items' keys, in order.
    static QStringList itemTexts(ListGroup group);
    static QString groupText(ListGroup group);
    // A title, item or group text as the user reads it: the texts above stay
    // the keys, in English, whatever the language.
    static QString shown(const QString& text);
    // Items that start something rather than show a page ("Zavok!", "Help"):
    // moving onto them with the keyboard is not yet a choice.
    static bool itemIsCommand(const QString& text);

    // The Page menu's command, also used by the run and by logic through the
    // shell.
    void showPage(PageId page);
    // Puts the check mark on a Page menu item without switching pages.
    void markItem(PageId page);
    // A click on a list bar item, named by its text.
    void itemClicked(const QString& text);
    void groupClicked(ListGroup clicked, ListGroup shownBefore);
    // Puts the window back on the Source page at start-up.
    void reset();

    // What the window does for the logic.
    std::function<void()> changed;
    std::function<void(const QString& waveName)> playSound;
    std::function<void()> repaint;
    std::function<void(FocusTarget)> focus;
    std::function<void()> zipNameCaretToEnd;
    std::function<void()> startRun;
    std::function<void(bool takeFocus)> openHelp;

private:
    void setTitle(const QString& title);
    void playType();
    void notify();

    const AppState& m_app;
    const RipJob& m_job;
    PageId m_visible = PageId::Source;
    std::optional<PageId> m_checked = PageId::Source;
    QString m_title;
};
