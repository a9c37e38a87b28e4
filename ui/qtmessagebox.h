#pragma once

#include "platform/messagebox.h"

#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

// Message boxes as Qt's, with the icon, title and buttons asked for.
class QtMessageBox : public MessageBox
{
public:
    explicit QtMessageBox(QWidget* parent = nullptr);

    MessageResult show(const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) override;

    // When true (an unattended run with no display), a message cannot be
    // answered by anyone: it goes to stderr as one line and the safe answer
    // (OK, or Cancel where there is a choice) is taken.
    std::function<bool()> nobodyToAnswer;
    // The last message shown, as one line, for an unattended run's reason.
    QString lastMessage() const { return m_last; }

    // CR LF, CR and LF all break a line.
    static QString displayText(const QString& text);
    static QString oneLine(const QString& text);

private:
    QPointer<QWidget> m_parent;
    QString m_last;
};
