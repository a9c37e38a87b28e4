#include "ui/noticeline.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

NoticeLine::NoticeLine(const QString& objectName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    m_icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(size, size));
    m_text = new QLabel(this);
    m_text->setObjectName(objectName + QStringLiteral("Text"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    QFont bold = m_text->font();
    bold.setBold(true);
    m_text->setFont(bold);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    row->addWidget(m_text, 1);
    hide();
}

void NoticeLine::setNotice(const QString& text)
{
    if (m_text->text() != text) {
        m_text->setText(text);
        setAccessibleDescription(text);
    }
    setVisible(!text.isEmpty());
}

QString NoticeLine::text() const
{
    return m_text->text();
}
