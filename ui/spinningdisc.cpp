#include "ui/spinningdisc.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>

SpinningDisc::SpinningDisc(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + 12) % 360;
        update();
    });
}

void SpinningDisc::showEvent(QShowEvent* event)
{
    m_timer.start();
    QWidget::showEvent(event);
}

void SpinningDisc::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void SpinningDisc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(2, 2, -2, -2);
    const QPointF centre = disc.center();

    // The silver face, with a rainbow sheen that turns with the disc.
    QConicalGradient sheen(centre, -m_angle);
    sheen.setColorAt(0.00, QColor(214, 220, 228));
    sheen.setColorAt(0.12, QColor(250, 250, 252));
    sheen.setColorAt(0.22, QColor(190, 214, 240));
    sheen.setColorAt(0.35, QColor(226, 206, 236));
    sheen.setColorAt(0.50, QColor(214, 220, 228));
    sheen.setColorAt(0.62, QColor(250, 250, 252));
    sheen.setColorAt(0.72, QColor(236, 226, 190));
    sheen.setColorAt(0.85, QColor(200, 236, 214));
    sheen.setColorAt(1.00, QColor(214, 220, 228));
    p.setPen(QPen(QColor(120, 126, 136), 1));
    p.setBrush(sheen);
    p.drawEllipse(disc);

    const qreal r = disc.width() / 2;
    QRadialGradient hub(centre, r * 0.34);
    hub.setColorAt(0.0, QColor(245, 245, 245));
    hub.setColorAt(1.0, QColor(176, 182, 190));
    p.setPen(QPen(QColor(150, 156, 166), 1));
    p.setBrush(hub);
    p.drawEllipse(centre, r * 0.34, r * 0.34);
    p.setBrush(palette().window());
    p.drawEllipse(centre, r * 0.12, r * 0.12);
}
