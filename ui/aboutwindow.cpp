#include "ui/aboutwindow.h"

#include "platform/soundplayer.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture())
{
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About Zavok32"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(m_picture.size());
    // The window's outline is the picture's, not a rectangle.
    setMask(m_picture.mask());

    m_version = new QLabel(versionText(), this);
    m_version->setObjectName(QStringLiteral("aboutVersion"));
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_version->setAutoFillBackground(true);
    QFont font = m_version->font();
    font.setBold(true);
    font.setPointSize(12);
    m_version->setFont(font);
    m_version->setGeometry(width() / 2 - 45, height() - 88, 90, 28);
}

QPixmap AboutWindow::picture()
{
    const QSize size(380, 260);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A storm cloud with a bolt hanging out of its lower edge.
    QPainterPath cloud;
    const auto puff = [&cloud](const QRectF& rect) {
        QPainterPath part;
        part.addEllipse(rect);
        cloud = cloud.united(part);
    };
    puff(QRectF(20, 60, 150, 120));
    puff(QRectF(100, 20, 170, 150));
    puff(QRectF(210, 55, 150, 125));
    QPainterPath base;
    base.addRoundedRect(QRectF(40, 110, 300, 100), 40, 40);
    cloud = cloud.united(base);
    QPainterPath bolt;
    bolt.moveTo(250, 190);
    bolt.lineTo(300, 190);
    bolt.lineTo(285, 215);
    bolt.lineTo(310, 215);
    bolt.lineTo(255, 258);
    bolt.lineTo(268, 226);
    bolt.lineTo(245, 226);
    bolt.closeSubpath();
    const QPainterPath shape = cloud.united(bolt);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(70, 80, 110));
    sky.setColorAt(1, QColor(25, 28, 45));
    painter.fillPath(shape, sky);
    painter.setPen(QPen(QColor(240, 200, 40), 2));
    painter.fillPath(bolt, QColor(255, 220, 60));
    painter.drawPath(bolt);

    QFont title(QStringLiteral("Sans Serif"));
    title.setBold(true);
    title.setPointSize(28);
    painter.setFont(title);
    painter.setPen(QColor(240, 240, 250));
    painter.drawText(QRect(40, 70, 300, 50), Qt::AlignCenter, QStringLiteral("Zavok32"));
    QFont small = title;
    small.setPointSize(10);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(40, 118, 300, 24), Qt::AlignCenter, tr("Archive volumes into ZIPs"));
    painter.end();
    return pixmap;
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void AboutWindow::showWhilePlaying(SoundPlayer& sounds)
{
    if (QScreen* screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen()) {
        const QRect area = parentWidget() && parentWidget()->isVisible() ? parentWidget()->frameGeometry()
                                                                          : screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    repaint();
    sounds.play(QStringLiteral("thunder.wav"), true);
    close();
}
