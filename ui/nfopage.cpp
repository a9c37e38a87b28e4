#include "ui/nfopage.h"

#include "job/ripjob.h"
#include "ui/pathpanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

NfoPage::NfoPage(RipJob& job, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
{
    setObjectName(QStringLiteral("nfoPage"));
    auto* layout = new QVBoxLayout(this);

    auto* nfoBox = new QGroupBox(QStringLiteral("Add *.nfo"), this);
    auto* nfoGrid = new QGridLayout(nfoBox);
    m_nfoPath = new PathPanel(nfoBox);
    m_nfoPath->setObjectName(QStringLiteral("nfoPathPanel"));
    nfoGrid->addWidget(m_nfoPath, 0, 0, 1, 4);
    auto* browse = new QPushButton(QStringLiteral("&Browse"), nfoBox);
    auto* create = new QPushButton(QStringLiteral("&Create"), nfoBox);
    auto* edit = new QPushButton(QStringLiteral("&Edit"), nfoBox);
    browse->setObjectName(QStringLiteral("nfoBrowse"));
    create->setObjectName(QStringLiteral("nfoCreate"));
    edit->setObjectName(QStringLiteral("nfoEdit"));
    nfoGrid->addWidget(browse, 1, 0);
    nfoGrid->addWidget(create, 1, 1);
    nfoGrid->addWidget(edit, 1, 2);
    nfoGrid->setColumnStretch(3, 1);
    layout->addWidget(nfoBox);

    auto* extraBox = new QGroupBox(QStringLiteral("Extra to add  (optional)"), this);
    auto* extraGrid = new QGridLayout(extraBox);
    m_file = new QRadioButton(QStringLiteral("&File"), extraBox);
    m_directory = new QRadioButton(QStringLiteral("&Directory"), extraBox);
    m_file->setObjectName(QStringLiteral("extraFile"));
    m_directory->setObjectName(QStringLiteral("extraDirectory"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_file);
    group->addButton(m_directory);
    auto* extraBrowse = new QPushButton(QStringLiteral("B&rowse"), extraBox);
    extraBrowse->setObjectName(QStringLiteral("extraBrowse"));
    m_extraPath = new PathPanel(extraBox);
    m_extraPath->setObjectName(QStringLiteral("extraPathPanel"));
    m_firstOnly = new QCheckBox(QStringLiteral("&1st zip only"), extraBox);
    m_firstOnly->setObjectName(QStringLiteral("firstZipOnly"));
    extraGrid->addWidget(m_file, 0, 0);
    extraGrid->addWidget(m_directory, 0, 1);
    extraGrid->addWidget(m_extraPath, 1, 0, 1, 4);
    extraGrid->addWidget(extraBrowse, 2, 0);
    extraGrid->addWidget(m_firstOnly, 2, 1, 1, 2);
    extraGrid->setColumnStretch(3, 1);
    layout->addWidget(extraBox);
    layout->addStretch(1);

    m_sink = new QWidget(this);
    m_sink->setFocusPolicy(Qt::StrongFocus);
    m_sink->setFixedSize(0, 0);

    connect(browse, &QPushButton::clicked, this, &NfoPage::browseClicked);
    connect(create, &QPushButton::clicked, this, &NfoPage::createClicked);
    connect(edit, &QPushButton::clicked, this, &NfoPage::editClicked);
    connect(extraBrowse, &QPushButton::clicked, this, &NfoPage::extraBrowseClicked);
    connect(m_file, &QRadioButton::clicked, this, [this] { m_job.chooseExtra(ExtraChoice::File); });
    connect(m_directory, &QRadioButton::clicked, this, [this] { m_job.chooseExtra(ExtraChoice::Directory); });
    connect(m_firstOnly, &QCheckBox::clicked, this, [this](bool on) { m_job.setFirstZipOnly(on ? 1 : 0); });
    connect(&m_job, &RipJob::changed, this, &NfoPage::showJob);
    showJob();
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
