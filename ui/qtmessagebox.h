#pragma once

#include "platform/messagebox.h"

#include <QPointer>
#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// Message boxes as Qt's, with the icon, title and buttons asked for.
class QtMessageBox : public MessageBox
{
public:
    explicit QtMessageBox(QWidget* parent = nullptr);

    MessageResult show(const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) override;
    MessageResult showDetailed(const QString& title, const QString& text, const QString& details,
                               MessageIcon icon) override;

    // When true (an unattended run with no display), a message cannot be
    // answered by anyone: it goes to stderr as one line and the safe answer
    // (OK, or Cancel where there is a choice) is taken.
    std::function<bool()> nobodyToAnswer;
    // The last message shown, as one line, for an unattended run's reason.
    QString lastMessage() const { return m_last; }

    // A box as show() and showDetailed() open it, for a caller that opens it
    // itself (a picture of it, say).
    static void prepare(QMessageBox& box, const QString& title, const QString& text, const QString& details,
                        MessageIcon icon, MessageButtons buttons);

    // CR LF, CR and LF all break a line.
    static QString displayText(const QString& text);
    static QString oneLine(const QString& text);

private:
    MessageResult ask(const QString& title, const QString& text, const QString& details, MessageIcon icon,
                      MessageButtons buttons);

    QPointer<QWidget> m_parent;
    QString m_last;
};
