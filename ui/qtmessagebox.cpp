#include "ui/qtmessagebox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTextEdit>
#include <QRegularExpression>
#include <cstdio>

QtMessageBox::QtMessageBox(QWidget* parent)
    : m_parent(parent)
{
}

QString QtMessageBox::displayText(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString QtMessageBox::oneLine(const QString& text)
{
    return displayText(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).simplified();
}

MessageResult QtMessageBox::show(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons)
{
    return ask(title, text, QString(), icon, buttons);
}

MessageResult QtMessageBox::showDetailed(const QString& title, const QString& text, const QString& details,
                                         MessageIcon icon)
{
    return ask(title, text, details, icon, MessageButtons::Ok);
}

void QtMessageBox::prepare(QMessageBox& box, const QString& title, const QString& text, const QString& details,
                           MessageIcon icon, MessageButtons buttons)
{
    box.setWindowTitle(title);
    box.setText(displayText(text));
    // Behind "Show Details...", so the message itself stays short; in the
    // fixed font a console program's lines were written for.
    if (!details.isEmpty()) {
        box.setDetailedText(displayText(details));
        if (auto* lines = box.findChild<QTextEdit*>()) {
            lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            lines->setLineWrapMode(QTextEdit::NoWrap);
            lines->setMinimumWidth(lines->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 72);
        }
    }
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.setObjectName(QStringLiteral("zavokMessage"));
}

MessageResult QtMessageBox::ask(const QString& title, const QString& text, const QString& details, MessageIcon icon,
                                MessageButtons buttons)
{
    m_last = oneLine(text);
    if (nobodyToAnswer && nobodyToAnswer()) {
        std::fprintf(stderr, "zavok32: %s: %s\n", qPrintable(title), qPrintable(m_last));
        std::fflush(stderr);
        switch (buttons) {
        case MessageButtons::Ok: return MessageResult::Ok;
        case MessageButtons::YesNo: return MessageResult::No;
        default: return MessageResult::Cancel;
        }
    }

    QMessageBox box(m_parent);
    prepare(box, title, text, details, icon, buttons);
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageResult::Ok;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
    }
}
