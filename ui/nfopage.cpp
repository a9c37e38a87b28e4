#include "ui/nfopage.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "ui/noticeline.h"
#include "ui/pathpanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

NfoPage::NfoPage(RipJob& job, ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
    , m_view(view)
{
    setObjectName(QStringLiteral("nfoPage"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // Outside the body, which an image's output mode disables.
    m_notice = new NoticeLine(QStringLiteral("nfoNotice"), this);
    outer->addWidget(m_notice);
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("nfoBody"));
    outer->addWidget(m_body);
    auto* layout = new QVBoxLayout(m_body);

    auto* nfoBox = new QGroupBox(tr("Add *.nfo"), m_body);
    auto* nfoGrid = new QGridLayout(nfoBox);
    m_nfoPath = new PathPanel(nfoBox);
    m_nfoPath->setObjectName(QStringLiteral("nfoPathPanel"));
    nfoGrid->addWidget(new QLabel(tr("Nfo"), nfoBox), 0, 0);
    nfoGrid->addWidget(m_nfoPath, 0, 1, 1, 4);
    const QList<std::pair<QString, void (NfoPage::*)()>> buttons{
        {tr("&Browse"), &NfoPage::browseClicked},
        {tr("&Create"), &NfoPage::createClicked},
        {tr("&Edit"), &NfoPage::editClicked},
    };
    int column = 1;
    for (const auto& [text, signal] : buttons) {
        auto* button = new QPushButton(text, nfoBox);
        button->setObjectName(QStringLiteral("nfo") + QString(text).remove(QLatin1Char('&')));
        connect(button, &QPushButton::clicked, this, signal);
        nfoGrid->addWidget(button, 1, column++);
        if (signal == &NfoPage::editClicked)
            m_edit = button;
    }
    nfoGrid->setColumnStretch(4, 1);
    layout->addWidget(nfoBox);
    layout->addSpacing(6);

    // A label of its own above the frame, not the frame's title: the output
    // mode of an image greys it with the controls, whose states differ.
    m_extraLabel = new QLabel(tr("Extra to add  (optional)"), m_body);
    m_extraLabel->setObjectName(QStringLiteral("extraLabel"));
    layout->addWidget(m_extraLabel);
    auto* extraBox = new QGroupBox(m_body);
    auto* extraGrid = new QGridLayout(extraBox);
    m_file = new QRadioButton(tr("&File"), extraBox);
    m_directory = new QRadioButton(tr("&Directory"), extraBox);
    m_file->setObjectName(QStringLiteral("extraFile"));
    m_directory->setObjectName(QStringLiteral("extraDirectory"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_file);
    group->addButton(m_directory);
    m_extraPath = new PathPanel(extraBox);
    m_extraPath->setObjectName(QStringLiteral("extraPathPanel"));
    m_extraBrowse = new QPushButton(tr("B&rowse"), extraBox);
    m_extraBrowse->setObjectName(QStringLiteral("extraBrowse"));
    extraGrid->addWidget(m_file, 0, 0);
    extraGrid->addWidget(m_directory, 0, 1);
    extraGrid->addWidget(m_extraPath, 1, 0, 1, 3);
    extraGrid->addWidget(m_extraBrowse, 2, 0);
    extraGrid->setColumnStretch(2, 1);
    layout->addWidget(extraBox);

    // Both the information file and the extra.
    m_firstOnly = new QCheckBox(tr("&1st zip only"), m_body);
    m_firstOnly->setObjectName(QStringLiteral("firstZipOnly"));
    m_firstOnly->setToolTip(tr("The .nfo and the extra go into the first zip only"));
    layout->addWidget(m_firstOnly);
    layout->addStretch(1);

    // Takes the focus off every control when logic asks for it; no Tab stop.
    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("nfoFocusSink"));
    m_sink->setFocusPolicy(Qt::ClickFocus);
    m_sink->setFixedSize(0, 0);

    connect(m_file, &QRadioButton::clicked, this, [this] { emit extraChoiceClicked(ExtraChoice::File); });
    connect(m_directory, &QRadioButton::clicked, this, [this] { emit extraChoiceClicked(ExtraChoice::Directory); });
    connect(m_extraBrowse, &QPushButton::clicked, this, &NfoPage::extraBrowseClicked);
    connect(m_firstOnly, &QCheckBox::clicked, this, [this](bool on) { m_job.setFirstZipOnly(on ? 1 : 0); });
    connect(&m_job, &RipJob::changed, this, &NfoPage::showJob);
    connect(&m_view, &ViewState::changed, this, &NfoPage::showView);
    showJob();
    showView();
}

void NfoPage::showJob()
{
    m_nfoPath->setText(m_job.nfoPath());
    m_extraPath->setText(m_job.extraPath());
    m_firstOnly->setChecked(m_job.firstZipOnly() != 0);
    // Neither option marked is a state of its own, which a group cannot show
    // while it is exclusive.
    auto* group = m_file->group();
    group->setExclusive(false);
    m_file->setChecked(m_job.extraChoice() == ExtraChoice::File);
    m_directory->setChecked(m_job.extraChoice() == ExtraChoice::Directory);
    group->setExclusive(true);
}

void NfoPage::showView()
{
    const NfoPageView& nfo = m_view.nfo;
    m_notice->setNotice(nfo.notice);
    m_body->setEnabled(nfo.filesEnabled);
    m_file->setEnabled(nfo.extraChoicesEnabled);
    m_directory->setEnabled(nfo.extraChoicesEnabled);
    m_extraBrowse->setEnabled(nfo.extraBrowseEnabled);
    m_edit->setEnabled(nfo.editEnabled);
    m_firstOnly->setEnabled(nfo.firstZipOnlyEnabled);
    m_extraLabel->setEnabled(nfo.extraLabelEnabled);
    m_extraPath->setBackgroundRole(nfo.extraPanelGreyed ? QPalette::Button : QPalette::Base);
}
