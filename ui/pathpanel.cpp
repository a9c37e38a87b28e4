#include "ui/pathpanel.h"

#include <QEnterEvent>
#include <QPainter>

PathPanel::PathPanel(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PathPanel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setToolTip(text);
    update();
}

QSize PathPanel::sizeHint() const
{
    const int h = fontMetrics().height() + 2 * frameWidth() + 8;
    return {260, h};
}

QSize PathPanel::minimumSizeHint() const
{
    return {120, sizeHint().height()};
}

void PathPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(4, 0, -4, 0);
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideMiddle, area.width());
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, shown);
}

void PathPanel::enterEvent(QEnterEvent* event)
{
    // The tip is the current text, so a long path can be read whole.
    setToolTip(m_text);
    QFrame::enterEvent(event);
}
