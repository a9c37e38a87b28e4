#include "ui/runpage.h"

#include "job/viewstate.h"
#include "pipeline/wholeruntext.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

RunPage::RunPage(ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_view(view)
{
    setObjectName(QStringLiteral("runPage"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Packaging"), this);
    auto* form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight);
    const auto valueLabel = [box](const char* name) {
        auto* label = new QLabel(box);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMinimumWidth(280);
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    m_status = valueLabel("runStatus");
    m_zipName = valueLabel("runZipName");
    m_counter = valueLabel("runCounter");
    m_progress = new QProgressBar(box);
    m_progress->setObjectName(QStringLiteral("runProgress"));
    m_progress->setRange(0, 100);
    form->addRow(tr("Adding:"), m_status);
    form->addRow(tr("Zip:"), m_zipName);
    form->addRow(tr("Volume:"), m_counter);
    form->addRow(tr("Progress:"), m_progress);
    // Beside the current ZIP's bar, the whole job: the archiver and every
    // ZIP, over the bytes of both, and the time it takes.
    m_whole = new QProgressBar(box);
    m_whole->setObjectName(QStringLiteral("runWholeProgress"));
    m_whole->setRange(0, 100);
    m_times = valueLabel("runTimes");
    form->addRow(tr("Whole run:"), m_whole);
    form->addRow(tr("Time:"), m_times);
    layout->addWidget(box);

    auto* buttons = new QHBoxLayout;
    m_abort = new QPushButton(tr("&Abort"), this);
    m_exit = new QPushButton(tr("E&xit"), this);
    m_abort->setObjectName(QStringLiteral("runAbort"));
    m_exit->setObjectName(QStringLiteral("runExit"));
    buttons->addStretch(1);
    buttons->addWidget(m_abort);
    buttons->addWidget(m_exit);
    layout->addLayout(buttons);
    m_left = new QLabel(this);
    m_left->setObjectName(QStringLiteral("runLeft"));
    m_left->setTextFormat(Qt::PlainText);
    m_left->setWordWrap(true);
    m_left->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_left->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_left->setMargin(6);
    layout->addWidget(m_left);
    layout->addStretch(1);

    connect(m_abort, &QPushButton::clicked, this, &RunPage::abortClicked);
    connect(m_exit, &QPushButton::clicked, this, &RunPage::exitClicked);
    connect(&m_view, &ViewState::changed, this, &RunPage::showView);
    showView();
}

void RunPage::showView()
{
    m_status->setText(m_view.run.status);
    m_zipName->setText(m_view.run.zipName);
    m_counter->setText(m_view.run.counter);
    m_left->setText(m_view.run.left);
    m_left->setVisible(!m_view.run.left.isEmpty());
    m_abort->setToolTip(m_view.run.abortToolTip);
    m_exit->setToolTip(m_view.run.exitToolTip);
    if (m_progress->value() != m_view.run.progress)
        m_progress->setValue(qBound(0, m_view.run.progress, 100));
    if (m_whole->value() != m_view.wholeRun.percent)
        m_whole->setValue(qBound(0, m_view.wholeRun.percent, 100));
    m_times->setText(wholeruntext::times(m_view.wholeRun));
}
