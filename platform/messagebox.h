#pragma once

#include <QString>

enum class MessageIcon { None, Stop, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

// Modal message boxes. Texts use CR or CR LF for their line breaks, as the
// messages have always been written.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual MessageResult show(const QString& title, const QString& text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    // The same with details the user can open (what an outside program
    // printed before it failed); OK alone. Without details it is show().
    virtual MessageResult showDetailed(const QString& title, const QString& text, const QString& details,
                                       MessageIcon icon)
    {
        (void)details;
        return show(title, text, icon);
    }
};
