#include "ui/zippage.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "ui/pagetext.h"
#include "ui/pathpanel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

ZipPage::ZipPage(RipJob& job, ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
    , m_view(view)
{
    setObjectName(QStringLiteral("zipPage"));
    auto* layout = new QGridLayout(this);

    auto* sizeBox = new QGroupBox(QStringLiteral("Archive size"), this);
    auto* sizeGrid = new QGridLayout(sizeBox);
    m_size = new QScrollBar(Qt::Vertical, sizeBox);
    m_size->setObjectName(QStringLiteral("archiveSize"));
    m_size->setRange(0, RipJob::kMaxSizeStep);
    m_size->setSingleStep(1);
    m_size->setPageStep(1);
    // The top is the largest volume: the up arrow makes volumes larger.
    m_size->setInvertedAppearance(true);
    m_size->setInvertedControls(false);
    m_size->setMinimumHeight(90);
    m_sizeCaption = new QLabel(sizeBox);
    m_sizeCaption->setObjectName(QStringLiteral("sizeCaption"));
    m_sizeCaption->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_sizeCaption->setAlignment(Qt::AlignCenter);
    m_sizeCaption->setMinimumWidth(m_sizeCaption->fontMetrics().horizontalAdvance(QStringLiteral("1 Max file")) + 16);
    m_estimate = new QLabel(sizeBox);
    m_estimate->setObjectName(QStringLiteral("estimateCaption"));
    m_estimate->setToolTip(QStringLiteral("Rar/Ace file counts if no compression"));
    sizeGrid->addWidget(m_size, 0, 0, 2, 1);
    sizeGrid->addWidget(m_sizeCaption, 0, 1, Qt::AlignTop);
    sizeGrid->addWidget(m_estimate, 1, 1, Qt::AlignTop);
    layout->addWidget(sizeBox, 0, 0, 2, 1);

    auto* archiverBox = new QGroupBox(QStringLiteral("Archiver"), this);
    auto* archiverGrid = new QGridLayout(archiverBox);
    m_rar = new QRadioButton(QStringLiteral("&Rar"), archiverBox);
    m_ace = new QRadioButton(QStringLiteral("&Ace"), archiverBox);
    m_rar->setObjectName(QStringLiteral("rar"));
    m_ace->setObjectName(QStringLiteral("ace"));
    m_archiveCompression = new QComboBox(archiverBox);
    m_archiveCompression->setObjectName(QStringLiteral("archiveCompression"));
    m_archiveCompression->setPlaceholderText(QStringLiteral("Rar/Ace compression"));
    m_zipCompression = new QComboBox(archiverBox);
    m_zipCompression->setObjectName(QStringLiteral("zipCompression"));
    m_zipCompression->setPlaceholderText(QStringLiteral("Zip compression"));
    for (QComboBox* list : {m_archiveCompression, m_zipCompression}) {
        list->addItems(RipJob::compressionItems());
        list->setMinimumContentsLength(18);
    }
    archiverGrid->addWidget(m_rar, 0, 0);
    archiverGrid->addWidget(m_ace, 0, 1);
    archiverGrid->addWidget(new QLabel(QStringLiteral("Rar/Ace comp."), archiverBox), 1, 0);
    archiverGrid->addWidget(m_archiveCompression, 1, 1);
    archiverGrid->addWidget(new QLabel(QStringLiteral("Zip comp."), archiverBox), 2, 0);
    archiverGrid->addWidget(m_zipCompression, 2, 1);
    layout->addWidget(archiverBox, 0, 1);

    auto* nameBox = new QGroupBox(QStringLiteral("Filename"), this);
    auto* nameLayout = new QHBoxLayout(nameBox);
    m_name = new QLineEdit(nameBox);
    m_name->setObjectName(QStringLiteral("zipBaseName"));
    m_name->setMouseTracking(true);
    m_name->installEventFilter(this);
    nameLayout->addWidget(m_name);
    layout->addWidget(nameBox, 1, 1);

    auto* storageBox = new QGroupBox(QStringLiteral("Zip storage"), this);
    auto* storageGrid = new QGridLayout(storageBox);
    m_directory = new PathPanel(storageBox);
    m_directory->setObjectName(QStringLiteral("zipDirectoryPanel"));
    auto* browse = new QPushButton(QStringLiteral("&Browse"), storageBox);
    browse->setObjectName(QStringLiteral("zipBrowse"));
    m_free = new QLabel(storageBox);
    m_free->setObjectName(QStringLiteral("zipFreeSpace"));
    storageGrid->addWidget(m_directory, 0, 0, 1, 3);
    storageGrid->addWidget(browse, 1, 0);
    storageGrid->addWidget(m_free, 1, 1);
    storageGrid->setColumnStretch(2, 1);
    layout->addWidget(storageBox, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(1, 1);

    m_sink = new QWidget(this);
    m_sink->setFocusPolicy(Qt::StrongFocus);
    m_sink->setFixedSize(0, 0);

    connect(browse, &QPushButton::clicked, this, &ZipPage::browseClicked);
    connect(m_size, &QScrollBar::valueChanged, this, [this](int value) {
        if (value != m_job.archiveSizeStep())
            m_job.setArchiveSizeStep(value);
    });
    connect(m_rar, &QRadioButton::clicked, this, [this] { m_job.setArchiver(Archiver::Rar); });
    connect(m_ace, &QRadioButton::clicked, this, [this] { m_job.setArchiver(Archiver::Ace); });
    connect(m_archiveCompression, &QComboBox::activated, this, [this](int i) { m_job.setArchiveCompression(i); });
    connect(m_zipCompression, &QComboBox::activated, this, [this](int i) { m_job.setZipCompression(i); });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) { m_job.setZipBaseName(text); });
    connect(&m_job, &RipJob::changed, this, &ZipPage::showJob);
    connect(&m_view, &ViewState::changed, this, &ZipPage::showView);
    showJob();
    showView();
}

bool ZipPage::eventFilter(QObject* watched, QEvent* event)
{
    // Pointing at the name box is enough to type into it, and its tip shows
    // the whole name.
    if (watched == m_name && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        m_name->setToolTip(m_name->text());
        if (!m_name->hasFocus())
            m_name->setFocus(Qt::MouseFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

void ZipPage::showJob()
{
    if (m_size->value() != m_job.archiveSizeStep()) {
        const QSignalBlocker block(m_size);
        m_size->setValue(m_job.archiveSizeStep());
    }
    m_rar->setChecked(m_job.archiver() == Archiver::Rar);
    m_ace->setChecked(m_job.archiver() == Archiver::Ace);
    m_archiveCompression->setCurrentIndex(m_job.archiveCompression());
    m_zipCompression->setCurrentIndex(m_job.zipCompression());
    m_directory->setText(m_job.zipDirectory());
    m_name->setMaxLength(m_job.zipBaseNameBound());
    if (m_name->text() != m_job.zipBaseName())
        m_name->setText(m_job.zipBaseName());
}

void ZipPage::showView()
{
    m_sizeCaption->setText(m_view.zip.sizeCaption);
    m_estimate->setText(pagetext::lines(m_view.zip.estimateCaption));
    m_free->setText(m_view.zip.freeSpaceCaption);
}
