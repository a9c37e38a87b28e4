#include "ui/dizpage.h"

#include "job/ripjob.h"
#include "ui/pathpanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DizPage::DizPage(RipJob& job, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
{
    setObjectName(QStringLiteral("dizPage"));
    auto* layout = new QVBoxLayout(this);

    auto* fileBox = new QGroupBox(QStringLiteral("Add file_id.diz"), this);
    auto* fileGrid = new QGridLayout(fileBox);
    m_path = new PathPanel(fileBox);
    m_path->setObjectName(QStringLiteral("dizPathPanel"));
    fileGrid->addWidget(m_path, 0, 0, 1, 5);
    const QList<QPair<QString, void (DizPage::*)()>> buttons{
        {QStringLiteral("&Browse"), &DizPage::browseClicked},
        {QStringLiteral("&Create"), &DizPage::createClicked},
        {QStringLiteral("&Edit"), &DizPage::editClicked},
        {QStringLiteral("&Test"), &DizPage::testClicked},
    };
    int column = 0;
    for (const auto& [text, signal] : buttons) {
        auto* button = new QPushButton(text, fileBox);
        button->setObjectName(QStringLiteral("diz") + QString(text).remove(QLatin1Char('&')));
        connect(button, &QPushButton::clicked, this, signal);
        fileGrid->addWidget(button, 1, column++);
    }
    fileGrid->setColumnStretch(4, 1);
    layout->addWidget(fileBox);

    auto* numberBox = new QGroupBox(QStringLiteral("Volume numbering"), this);
    auto* numberGrid = new QGridLayout(numberBox);
    m_auto = new QCheckBox(QStringLiteral("Auto numbering"), numberBox);
    m_auto->setObjectName(QStringLiteral("autoNumbering"));
    m_column = new QLineEdit(numberBox);
    m_column->setObjectName(QStringLiteral("dizColumn"));
    m_line = new QLineEdit(numberBox);
    m_line->setObjectName(QStringLiteral("dizLine"));
    for (QLineEdit* box : {m_column, m_line}) {
        box->setMaxLength(3);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        box->setValidator(new QIntValidator(0, 999, box));
        box->installEventFilter(this);
        box->setMouseTracking(true);
    }
    auto* columnLabel = new QLabel(QStringLiteral("S&ubsitute at column"), numberBox);
    columnLabel->setBuddy(m_column);
    auto* lineLabel = new QLabel(QStringLiteral("Line -"), numberBox);
    lineLabel->setBuddy(m_line);
    numberGrid->addWidget(m_auto, 0, 0, 1, 4);
    numberGrid->addWidget(columnLabel, 1, 0);
    numberGrid->addWidget(m_column, 1, 1);
    numberGrid->addWidget(lineLabel, 1, 2);
    numberGrid->addWidget(m_line, 1, 3);
    numberGrid->setColumnStretch(4, 1);
    layout->addWidget(numberBox);
    layout->addStretch(1);

    m_sink = new QWidget(this);
    m_sink->setFocusPolicy(Qt::StrongFocus);
    m_sink->setFixedSize(0, 0);

    connect(m_auto, &QCheckBox::clicked, this, [this](bool on) { m_job.setAutoNumbering(on); });
    connect(m_column, &QLineEdit::textEdited, this, [this](const QString& text) { m_job.setDizColumn(text); });
    connect(m_line, &QLineEdit::textEdited, this, [this](const QString& text) { m_job.setDizLine(text); });
    connect(&m_job, &RipJob::changed, this, &DizPage::showJob);
    showJob();
}

bool DizPage::eventFilter(QObject* watched, QEvent* event)
{
    // With numbering on, pointing at a number box is enough to type into it.
    if (event->type() == QEvent::MouseMove && m_job.autoNumbering()) {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->hasFocus())
            box->setFocus(Qt::MouseFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

void DizPage::showJob()
{
    m_path->setText(m_job.dizPath());
    m_auto->setChecked(m_job.autoNumbering());
    if (m_column->text() != m_job.dizColumn())
        m_column->setText(m_job.dizColumn());
    if (m_line->text() != m_job.dizLine())
        m_line->setText(m_job.dizLine());
}
