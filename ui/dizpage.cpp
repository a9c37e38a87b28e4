#include "ui/dizpage.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "ui/noticeline.h"
#include "ui/pathpanel.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DizPage::DizPage(RipJob& job, ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
    , m_view(view)
{
    setObjectName(QStringLiteral("dizPage"));
    auto* layout = new QVBoxLayout(this);
    m_notice = new NoticeLine(QStringLiteral("dizNotice"), this);
    layout->addWidget(m_notice);

    // The file: the panel under its label, and the three buttons for it.
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("dizBody"));
    auto* fileLayout = new QVBoxLayout(m_body);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(new QLabel(tr("File_id.diz"), m_body));
    m_path = new PathPanel(m_body);
    m_path->setObjectName(QStringLiteral("dizPathPanel"));
    fileLayout->addWidget(m_path);
    auto* fileButtons = new QHBoxLayout;
    QPushButton* browse = addButton(m_body, tr("&Browse"), QStringLiteral("dizBrowse"), &DizPage::browseClicked);
    QPushButton* create = addButton(m_body, tr("&Create"), QStringLiteral("dizCreate"), &DizPage::createClicked);
    QPushButton* edit = addButton(m_body, tr("&Edit"), QStringLiteral("dizEdit"), &DizPage::editClicked);
    m_edit = edit;
    for (QPushButton* button : {browse, create, edit})
        fileButtons->addWidget(button);
    fileButtons->addStretch(1);
    fileLayout->addLayout(fileButtons);
    layout->addWidget(m_body);

    m_separator = new QFrame(this);
    m_separator->setObjectName(QStringLiteral("dizSeparator"));
    m_separator->setFrameShape(QFrame::HLine);
    m_separator->setFrameShadow(QFrame::Sunken);
    layout->addSpacing(6);
    layout->addWidget(m_separator);
    layout->addSpacing(6);

    // The numbering: off, or at a column of a line; Test shows the result.
    auto* numbering = new QGridLayout;
    m_numberingLabel = new QLabel(tr("Auto numbering"), this);
    m_numberingLabel->setObjectName(QStringLiteral("dizNumberingLabel"));
    m_none = new QRadioButton(tr("&None"), this);
    m_none->setObjectName(QStringLiteral("dizNone"));
    m_substitute = new QRadioButton(tr("S&ubsitute at column"), this);
    m_substitute->setObjectName(QStringLiteral("dizSubstitute"));
    m_column = addNumberBox(QStringLiteral("dizColumn"));
    m_lineLabel = new QLabel(tr("Line -"), this);
    m_lineLabel->setObjectName(QStringLiteral("dizLineLabel"));
    m_line = addNumberBox(QStringLiteral("dizLine"));
    // The column box's caption is the option before it, which cannot be a
    // buddy; both boxes say what they hold.
    m_column->setAccessibleName(tr("Column"));
    m_line->setAccessibleName(tr("Line"));
    m_lineLabel->setBuddy(m_line);
    m_test = addButton(this, tr("&Test"), QStringLiteral("dizTest"), &DizPage::testClicked);
    numbering->addWidget(m_numberingLabel, 0, 0, 1, 4);
    // As wide as its caption: a click beside it is no click on it.
    numbering->addWidget(m_none, 1, 0, Qt::AlignLeft);
    numbering->addWidget(m_substitute, 2, 0);
    numbering->addWidget(m_column, 2, 1);
    numbering->addWidget(m_lineLabel, 2, 2, Qt::AlignRight);
    numbering->addWidget(m_line, 2, 3);
    numbering->addWidget(m_test, 2, 5);
    numbering->setColumnMinimumWidth(2, m_lineLabel->sizeHint().width() + 16);
    numbering->setColumnMinimumWidth(4, 24);
    numbering->setColumnStretch(6, 1);
    layout->addLayout(numbering);
    layout->addStretch(1);

    // Takes the focus off every control when a button asks for it; Tab
    // never stops there.
    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("dizFocusSink"));
    m_sink->setFocusPolicy(Qt::ClickFocus);
    m_sink->setFixedSize(0, 0);

    setTabOrder(browse, create);
    setTabOrder(create, edit);
    setTabOrder(edit, m_none);
    setTabOrder(m_none, m_substitute);
    setTabOrder(m_substitute, m_column);
    setTabOrder(m_column, m_line);
    setTabOrder(m_line, m_test);

    connect(m_none, &QRadioButton::clicked, this, [this] { emit numberingChosen(false); });
    connect(m_substitute, &QRadioButton::clicked, this, [this] { emit numberingChosen(true); });
    connect(m_column, &QLineEdit::textEdited, this, [this](const QString& text) { m_job.setDizColumn(text); });
    connect(m_line, &QLineEdit::textEdited, this, [this](const QString& text) { m_job.setDizLine(text); });
    connect(&m_job, &RipJob::changed, this, &DizPage::showJob);
    connect(&m_view, &ViewState::changed, this, &DizPage::showView);
    showJob();
    showView();
}

QPushButton* DizPage::addButton(QWidget* parent, const QString& text, const QString& name, void (DizPage::*signal)())
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, signal);
    return button;
}

QLineEdit* DizPage::addNumberBox(const QString& name)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(3);
    box->setFrame(false);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    box->setValidator(new QIntValidator(0, 999, box));
    box->setMouseTracking(true);
    box->installEventFilter(this);
    return box;
}

bool DizPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && (watched == m_column || watched == m_line))
        emit numberBoxHovered(watched == m_column ? FocusTarget::DizColumn : FocusTarget::DizLine);
    return QWidget::eventFilter(watched, event);
}

void DizPage::showJob()
{
    m_path->setText(m_job.dizPath());
    m_none->setChecked(!m_job.autoNumbering());
    m_substitute->setChecked(m_job.autoNumbering());
    if (m_column->text() != m_job.dizColumn())
        m_column->setText(m_job.dizColumn());
    if (m_line->text() != m_job.dizLine())
        m_line->setText(m_job.dizLine());
}

void DizPage::showView()
{
    const DizPageView& diz = m_view.diz;
    m_notice->setNotice(diz.notice);
    m_body->setEnabled(diz.filesEnabled);
    m_none->setEnabled(diz.numberingChoiceEnabled);
    m_substitute->setEnabled(diz.numberingChoiceEnabled);
    m_column->setEnabled(diz.numberBoxesEnabled);
    m_line->setEnabled(diz.numberBoxesEnabled);
    paintNumberBoxes(diz.numberBoxesEnabled);
    m_test->setEnabled(diz.testEnabled);
    m_edit->setEnabled(diz.editEnabled);
    m_numberingLabel->setEnabled(diz.labelsEnabled);
    m_lineLabel->setEnabled(diz.labelsEnabled);
    m_separator->setVisible(diz.separatorShown);
}

// The window colour while the boxes take typing, the button face while not.
void DizPage::paintNumberBoxes(bool on)
{
    const QColor colour = palette().color(QPalette::Active, on ? QPalette::Base : QPalette::Button);
    for (QLineEdit* box : {m_column, m_line}) {
        QPalette p = box->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::Base, colour);
        box->setPalette(p);
    }
}
