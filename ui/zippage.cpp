#include "ui/zippage.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "ui/noticeline.h"
#include "ui/pagetext.h"
#include "ui/pathpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QVBoxLayout>

namespace {

// Some desktop styles jump to where the trough is clicked; the size bar
// moves one step per click in every style.
class OneStepTroughStyle : public QProxyStyle
{
public:
    // A style of the application's kind, so the bar looks like every other.
    OneStepTroughStyle()
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    {
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // Few styles show the focus on a scroll bar; this one is a control of its
    // own that the keyboard works, so it shows it as every control does.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control != CC_ScrollBar || !(option->state & State_HasFocus))
            return;
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

ZipPage::ZipPage(RipJob& job, ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
    , m_view(view)
{
    setObjectName(QStringLiteral("zipPage"));
    auto* layout = new QGridLayout(this);
    m_notice = new NoticeLine(QStringLiteral("zipNotice"), this);
    layout->addWidget(m_notice, 0, 0, 1, 2);
    layout->addWidget(buildSizeBox(), 1, 0, 3, 1);
    layout->addWidget(buildArchiverBox(), 1, 1);
    layout->addWidget(buildNameBox(), 2, 1);
    layout->addWidget(buildStorageBox(), 3, 1);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(1, 1);

    // Takes the focus off every control when logic asks for it; no Tab stop.
    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("zipFocusSink"));
    m_sink->setFocusPolicy(Qt::ClickFocus);
    m_sink->setFixedSize(0, 0);

    connect(m_browse, &QPushButton::clicked, this, &ZipPage::browseClicked);
    connect(m_size, &QScrollBar::valueChanged, this, [this](int value) {
        const int step = stepOfBarValue(value);
        if (step != m_job.archiveSizeStep())
            m_job.setArchiveSizeStep(step);
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

int ZipPage::barValueOfStep(int step)
{
    return RipJob::kMaxSizeStep - step;
}

int ZipPage::stepOfBarValue(int value)
{
    return RipJob::kMaxSizeStep - value;
}

QWidget* ZipPage::buildSizeBox()
{
    auto* box = new QGroupBox(tr("Archive size"), this);
    auto* grid = new QGridLayout(box);
    m_size = new QScrollBar(Qt::Vertical, box);
    m_size->setObjectName(QStringLiteral("archiveSize"));
    m_size->setRange(0, RipJob::kMaxSizeStep);
    // One step per arrow and per click in the trough, 500,000 bytes each.
    m_size->setSingleStep(1);
    m_size->setPageStep(1);
    // Long enough that a drag lands within a step or two of where it aims.
    m_size->setMinimumHeight(260);
    m_size->setMinimumWidth(m_size->sizeHint().width() + 4);
    m_size->setFocusPolicy(Qt::StrongFocus);
    m_size->setAccessibleName(tr("Archive size"));
    auto* style = new OneStepTroughStyle;
    style->setParent(m_size);
    m_size->setStyle(style);
    m_size->setToolTip(tr("Archive size: up for larger volumes, down for smaller ones"));
    m_sizeCaption = new QLabel(box);
    m_sizeCaption->setObjectName(QStringLiteral("sizeCaption"));
    m_sizeCaption->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_sizeCaption->setAlignment(Qt::AlignCenter);
    m_sizeCaption->setMinimumWidth(m_sizeCaption->fontMetrics().horizontalAdvance(QStringLiteral("1 Max file")) + 16);
    m_sizeCaption->setMinimumHeight(m_sizeCaption->fontMetrics().height() + 8);
    m_estimate = new QLabel(box);
    m_estimate->setObjectName(QStringLiteral("estimateCaption"));
    m_estimate->setToolTip(tr("Rar/Ace file counts if no compression"));
    m_estimate->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    grid->addWidget(m_size, 0, 0, 3, 1);
    grid->addWidget(m_sizeCaption, 0, 1);
    grid->addWidget(m_estimate, 1, 1);
    grid->setRowStretch(2, 1);
    return box;
}

QWidget* ZipPage::buildArchiverBox()
{
    auto* box = new QGroupBox(tr("Archiver"), this);
    auto* grid = new QGridLayout(box);
    m_rar = new QRadioButton(tr("&Rar"), box);
    m_ace = new QRadioButton(tr("&Ace"), box);
    m_rar->setObjectName(QStringLiteral("rar"));
    m_ace->setObjectName(QStringLiteral("ace"));
    m_archiveCompression = new QComboBox(box);
    m_archiveCompression->setObjectName(QStringLiteral("archiveCompression"));
    m_archiveCompression->setPlaceholderText(tr("Rar/Ace compression"));
    m_archiveCompression->setToolTip(tr("Rar/Ace compression"));
    m_zipCompression = new QComboBox(box);
    m_zipCompression->setObjectName(QStringLiteral("zipCompression"));
    m_zipCompression->setPlaceholderText(tr("Zip compression"));
    m_zipCompression->setToolTip(tr("Zip compression"));
    for (QComboBox* list : {m_archiveCompression, m_zipCompression}) {
        list->addItems(RipJob::compressionItems());
        list->setMinimumContentsLength(18);
    }
    auto* archiveLabel = new QLabel(tr("Rar/Ace comp."), box);
    archiveLabel->setBuddy(m_archiveCompression);
    m_zipCompressionLabel = new QLabel(tr("Zip comp."), box);
    m_zipCompressionLabel->setObjectName(QStringLiteral("zipCompressionLabel"));
    m_zipCompressionLabel->setBuddy(m_zipCompression);
    grid->addWidget(m_rar, 0, 0);
    grid->addWidget(m_ace, 0, 1);
    grid->addWidget(archiveLabel, 1, 0);
    grid->addWidget(m_archiveCompression, 1, 1);
    grid->addWidget(m_zipCompressionLabel, 2, 0);
    grid->addWidget(m_zipCompression, 2, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* ZipPage::buildNameBox()
{
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    auto* label = new QLabel(tr("Filename"), box);
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("zipBaseName"));
    m_name->setMouseTracking(true);
    m_name->installEventFilter(this);
    // Room for the longest name, that of a single archive.
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    label->setBuddy(m_name);
    row->addWidget(label);
    row->addWidget(m_name);
    row->addStretch(1);
    // Typing past the bound does nothing, so the bound is always in sight.
    m_nameHint = new QLabel(box);
    m_nameHint->setObjectName(QStringLiteral("zipNameHint"));
    m_nameHint->setWordWrap(true);
    m_nameHint->setTextFormat(Qt::PlainText);
    m_nameHint->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(m_nameHint);
    return box;
}

QWidget* ZipPage::buildStorageBox()
{
    auto* holder = new QWidget(this);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 6, 0, 0);
    // A label of its own above the frame, not the frame's title: the output
    // mode of an image greys it on its own.
    m_storageLabel = new QLabel(tr("Zip storage"), holder);
    m_storageLabel->setObjectName(QStringLiteral("zipStorageLabel"));
    column->addWidget(m_storageLabel);
    auto* box = new QGroupBox(holder);
    auto* grid = new QGridLayout(box);
    m_directory = new PathPanel(box);
    m_directory->setObjectName(QStringLiteral("zipDirectoryPanel"));
    m_browse = new QPushButton(tr("&Browse"), box);
    m_browse->setObjectName(QStringLiteral("zipBrowse"));
    m_free = new QLabel(box);
    m_free->setObjectName(QStringLiteral("zipFreeSpace"));
    grid->addWidget(m_directory, 0, 0, 1, 3);
    grid->addWidget(m_browse, 1, 0);
    grid->addWidget(m_free, 1, 1);
    grid->setColumnStretch(2, 1);
    column->addWidget(box);
    column->addStretch(1);
    return holder;
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
    const int barValue = barValueOfStep(m_job.archiveSizeStep());
    if (m_size->value() != barValue) {
        const QSignalBlocker block(m_size);
        m_size->setValue(barValue);
    }
    m_rar->setChecked(m_job.archiver() == Archiver::Rar);
    m_ace->setChecked(m_job.archiver() == Archiver::Ace);
    m_archiveCompression->setCurrentIndex(m_job.archiveCompression());
    m_zipCompression->setCurrentIndex(m_job.zipCompression());
    m_directory->setText(m_job.zipDirectory());
    // Setting the length or the text of a line edit, even to what it holds,
    // clears its undo history: touch them only when they differ.
    if (m_name->maxLength() != m_job.zipBaseNameBound())
        m_name->setMaxLength(m_job.zipBaseNameBound());
    if (m_name->text() != m_job.zipBaseName())
        m_name->setText(m_job.zipBaseName());
}

void ZipPage::showView()
{
    const ZipPageView& zip = m_view.zip;
    m_notice->setNotice(zip.notice);
    m_nameHint->setText(zip.nameHint);
    m_name->setAccessibleDescription(zip.nameHint);
    m_sizeCaption->setText(zip.sizeCaption);
    m_estimate->setText(pagetext::lines(zip.estimateCaption));
    m_free->setText(zip.freeSpaceCaption);
    m_zipCompression->setEnabled(zip.zipCompressionEnabled);
    m_browse->setEnabled(zip.directoryBrowseEnabled);
    m_directory->setBackgroundRole(zip.directoryPanelGreyed ? QPalette::Button : QPalette::Base);
    m_zipCompressionLabel->setEnabled(zip.zipLabelsEnabled);
    m_storageLabel->setEnabled(zip.zipLabelsEnabled);
    m_free->setEnabled(zip.zipLabelsEnabled);
}
