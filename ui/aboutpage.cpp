#include "ui/aboutpage.h"

#include "ui/links.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

// Links in the theme's own link colour, which reads on its background in a
// light and a dark theme alike; pointing at one underlines it.
void setLinkLook(QLabel* label, bool hovered)
{
    label->setForegroundRole(QPalette::Link);
    QFont font = label->font();
    font.setUnderline(hovered);
    label->setFont(font);
}

} // namespace

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("aboutPage"));
    auto* layout = new QVBoxLayout(this);

    m_signature = new QLabel(QStringLiteral("QZM"), this);
    m_signature->setObjectName(QStringLiteral("signaturePanel"));
    QFont script(QStringLiteral("URW Chancery L"));
    script.setStyleHint(QFont::Cursive);
    script.setItalic(true);
    script.setBold(true);
    script.setPointSize(40);
    m_signature->setFont(script);
    m_signature->setAlignment(Qt::AlignCenter);
    m_signature->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_signature->setCursor(Qt::PointingHandCursor);
    m_signature->setToolTip(tr("About Zavok32"));
    layout->addWidget(m_signature);

    auto* text = new QLabel(tr("Visit my web page for other programs I've written and updates.  "
                                "Please send me your comments or suggestions."),
                            this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);

    m_web = new QLabel(links::webPage(), this);
    m_email = new QLabel(links::email(), this);
    m_web->setObjectName(QStringLiteral("webPanel"));
    m_email->setObjectName(QStringLiteral("emailPanel"));
    for (QLabel* panel : {m_web, m_email}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setCursor(Qt::PointingHandCursor);
        panel->setMinimumHeight(panel->fontMetrics().height() + 10);
        setLinkLook(panel, false);
        layout->addWidget(panel);
    }
    for (QLabel* panel : {m_signature, m_web, m_email})
        panel->installEventFilter(this);
    layout->addStretch(1);
}

bool AboutPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == m_web || label == m_email) {
        if (event->type() == QEvent::Enter)
            setLinkLook(label, true);
        else if (event->type() == QEvent::Leave)
            setLinkLook(label, false);
        else if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                emit(label == m_web ? webClicked() : emailClicked());
        }
    } else if (label == m_signature && event->type() == QEvent::MouseButtonPress) {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton || button == Qt::MiddleButton) {
            emit signatureClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
