#pragma once

#include "contents/descriptionwindow.h"
#include "platform/clock.h"
#include "platform/desktopnotifier.h"
#include "platform/filedialog.h"
#include "platform/folderpicker.h"
#include "platform/messagebox.h"
#include "platform/shell.h"
#include "platform/texteditor.h"
#include "source/ripintoquestion.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <optional>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// A file dialog that answers from a queue (empty queue: Cancel) and keeps
// what it was asked.
class FakeFileDialog : public FileDialog
{
public:
    std::deque<std::optional<QString>> answers;
    QList<FileDialogRequest> requests;

    std::optional<QString> ask(const FileDialogRequest& request) override
    {
        requests << request;
        if (answers.empty())
            return std::nullopt;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A folder picker that moves its selection through `selections` (calling the
// handler for each, as the real one does), then answers from a queue.
class FakeFolderPicker : public FolderPicker
{
public:
    QStringList selections;
    std::deque<std::optional<QString>> answers;
    QList<FolderPickerRequest> requests;
    QList<FolderPickerFeedback> feedbacks;
    QStringList handledPaths;

    std::optional<QString> pick(const FolderPickerRequest& request, const SelectionHandler& onSelection) override
    {
        requests << request;
        for (QString path : selections) {
            FolderPickerFeedback feedback;
            if (onSelection)
                onSelection(path, feedback);
            handledPaths << path;
            feedbacks << feedback;
        }
        if (answers.empty())
            return std::nullopt;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString details; // what the user can open under the text
};

class FakeMessageBox : public MessageBox
{
public:
    QList<ShownMessage> shown;
    std::deque<MessageResult> answers;

    MessageResult show(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons) override
    {
        shown << ShownMessage{title, text, icon, buttons, {}};
        return next(buttons);
    }
    MessageResult showDetailed(const QString& title, const QString& text, const QString& details,
                               MessageIcon icon) override
    {
        shown << ShownMessage{title, text, icon, MessageButtons::Ok, details};
        return next(MessageButtons::Ok);
    }
    MessageResult next(MessageButtons buttons)
    {
        if (answers.empty())
            return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageResult::Yes
                                                                                             : MessageResult::Ok;
        const MessageResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const auto& m : shown)
            result << m.text;
        return result;
    }
};

class FakeShell : public Shell
{
public:
    QList<PageId> pages;
    QList<FocusTarget> focuses;
    int pendingEventPasses = 0;
    int endCalls = 0;
    int exitCode = 0;
    QString endReason;
    int closeCalls = 0;

    void showPage(PageId page) override { pages << page; }
    // The last page shown; a test puts a page into `pages` to make it visible.
    std::optional<PageId> visiblePage() const override { return lastPage(); }
    void focus(FocusTarget target) override { focuses << target; }
    void processPendingEvents() override { ++pendingEventPasses; }
    void endApplication(int code, const QString& reason) override
    {
        ++endCalls;
        exitCode = code;
        endReason = reason;
    }
    void closeMainWindow() override { ++closeCalls; }
    void report(const QString& line) override { reported << line; }
    QStringList reported;
    void tellWarning(const QString& line) override { warnings << line; }
    void minimiseMainWindow() override { windowEvents << "minimise"; }
    void restoreMainWindow() override { windowEvents << "restore"; }
    void setMainWindowEnabled(bool enabled) override { windowEvents << (enabled ? "enable" : "disable"); }
    void repaintMainWindow() override { windowEvents << "repaint"; }
    bool programActive() const override { return active; }
    bool active = true; // false: the user is in another program's window

    QStringList windowEvents;
    QStringList warnings;

    std::optional<PageId> lastPage() const { return pages.isEmpty() ? std::nullopt : std::optional(pages.last()); }
};

// Keeps the desktop notifications it is given.
class FakeNotifier : public DesktopNotifier
{
public:
    QStringList shown; // "title: body"
    void notify(const QString& title, const QString& body) override { shown << title + QStringLiteral(": ") + body; }
};

// A text editor that records the files it is asked to open; `starts` false
// plays a desktop with no editor for plain text.
class FakeTextEditor : public TextEditor
{
public:
    QStringList opened;
    bool starts = true;

    bool open(const QString& hostPath) override
    {
        opened << hostPath;
        return starts;
    }
};

// The Iso/bin option dialog, answered from a queue (empty queue: closed with
// nothing chosen); `whileAsking` looks at the program while it is open.
class FakeRipIntoQuestion : public RipIntoQuestion
{
public:
    std::deque<Choice> answers;
    int asked = 0;
    std::function<void()> whileAsking;

    Choice ask() override
    {
        ++asked;
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            return Choice::Neither;
        const Choice answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FixedClock : public Clock
{
public:
    QDateTime at = QDateTime(QDate(1999, 12, 7), QTime(13, 45, 9));
    QDateTime now() const override { return at; }
};

// The description editor window: keeps its text and view, and counts how
// often it was opened and closed.
class FakeDescriptionWindow : public DescriptionWindow
{
public:
    bool shown = false;
    int opens = 0;
    int closes = 0;
    int textFocuses = 0;
    DescriptionEditorView view;
    QString screenText;

    void open(const DescriptionEditorView& v) override
    {
        ++opens;
        shown = true;
        view = v;
    }
    bool isOpen() const override { return shown; }
    void setText(const QString& text) override { screenText = text; }
    QString text() const override { return screenText; }
    void focusText() override { ++textFocuses; }
    void close() override
    {
        ++closes;
        shown = false;
        screenText.clear();
    }
};
