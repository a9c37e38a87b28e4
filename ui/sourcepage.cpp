#include "ui/sourcepage.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "ui/noticeline.h"
#include "ui/pagetext.h"
#include "ui/pathpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SourcePage::SourcePage(RipJob& job, ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
    , m_view(view)
{
    setObjectName(QStringLiteral("sourcePage"));
    auto* layout = new QVBoxLayout(this);
    m_notice = new NoticeLine(QStringLiteral("sourceNotice"), this);
    layout->addWidget(m_notice);

    auto* sourceBox = new QGroupBox(tr("Source drive or directory"), this);
    auto* grid = new QGridLayout(sourceBox);
    m_path = new PathPanel(sourceBox);
    m_path->setObjectName(QStringLiteral("sourcePathPanel"));
    m_browse = new QPushButton(tr("B&rowse"), sourceBox);
    m_browse->setObjectName(QStringLiteral("sourceBrowse"));
    m_imageMode = new QCheckBox(tr("&Iso/Bin"), sourceBox);
    m_imageMode->setObjectName(QStringLiteral("imageMode"));
    m_imageMode->setToolTip(tr("Choose a Iso/Bin file"));
    m_size = new QLabel(sourceBox);
    m_size->setObjectName(QStringLiteral("sourceSize"));
    m_size->setToolTip(tr("Total source size"));
    grid->addWidget(m_path, 0, 0, 1, 3);
    grid->addWidget(m_browse, 1, 0);
    grid->addWidget(m_imageMode, 1, 1);
    grid->addWidget(m_size, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    layout->addWidget(sourceBox);

    auto* driveBox = new QGroupBox(tr("Drive for Rars/Aces"), this);
    auto* driveLayout = new QGridLayout(driveBox);
    m_drives = new QComboBox(driveBox);
    m_drives->setObjectName(QStringLiteral("workDriveList"));
    m_drives->setMinimumContentsLength(12);
    m_free = new QLabel(driveBox);
    m_free->setObjectName(QStringLiteral("freeSpace"));
    m_free->setToolTip(tr("Drive free space"));
    m_free->setMinimumWidth(m_free->fontMetrics().horizontalAdvance(QStringLiteral("less than 2 Meg. ")));
    driveLayout->addWidget(m_drives, 0, 0, Qt::AlignTop);
    driveLayout->addWidget(m_free, 0, 1);
    driveLayout->setColumnStretch(2, 1);
    layout->addWidget(driveBox);
    layout->addStretch(1);

    // Takes the focus off every control when logic asks for it; never a
    // stop of the Tab key, which would seem to lose the focus there.
    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("sourceFocusSink"));
    m_sink->setFocusPolicy(Qt::ClickFocus);
    m_sink->setFixedSize(0, 0);

    connect(m_browse, &QPushButton::clicked, this, &SourcePage::browseClicked);
    connect(m_imageMode, &QCheckBox::clicked, this, &SourcePage::imageModeClicked);
    connect(m_drives, &QComboBox::activated, this, [this](int index) {
        // Logic decides the current drive: a refused one is replaced by c.
        const QString text = m_drives->itemText(index);
        if (!text.isEmpty())
            emit workDriveChosen(text);
    });
    connect(&m_job, &RipJob::changed, this, &SourcePage::showJob);
    connect(&m_view, &ViewState::changed, this, &SourcePage::showView);
    showJob();
    showView();
}

void SourcePage::showJob()
{
    m_path->setText(m_job.sourcePath());
    if (m_imageMode->isChecked() != m_job.imageMode())
        m_imageMode->setChecked(m_job.imageMode());
}

void SourcePage::showView()
{
    m_size->setText(pagetext::lines(m_view.source.sizeLabel));
    m_free->setText(pagetext::lines(m_view.source.freeSpaceLabel));
    m_browse->setEnabled(m_view.source.browseEnabled);
    m_notice->setNotice(m_view.source.notice);

    const QSignalBlocker block(m_drives);
    QStringList shown;
    for (int i = 0; i < m_drives->count(); ++i)
        shown << m_drives->itemText(i);
    if (shown != m_view.source.driveItems) {
        m_drives->clear();
        m_drives->addItems(m_view.source.driveItems);
    }
    if (m_drives->currentIndex() != m_view.source.currentDrive)
        m_drives->setCurrentIndex(m_view.source.currentDrive);
}
