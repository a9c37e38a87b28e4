#include "ui/skippage.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "ui/noticeline.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SkipPage::SkipPage(RipJob& job, ViewState& view, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
    , m_view(view)
{
    setObjectName(QStringLiteral("skipPage"));
    auto* layout = new QVBoxLayout(this);
    m_notice = new NoticeLine(QStringLiteral("skipNotice"), this);
    layout->addWidget(m_notice);
    auto* box = new QGroupBox(tr("Sub-directories or files to skip   (optional)"), this);
    m_body = box;
    auto* grid = new QGridLayout(box);

    m_subDir = new QRadioButton(tr("&Sub-dir"), box);
    m_file = new QRadioButton(tr("&File"), box);
    m_subDir->setObjectName(QStringLiteral("skipSubDir"));
    m_file->setObjectName(QStringLiteral("skipFile"));
    m_subDir->setToolTip(tr("Browse adds a sub-directory of the source"));
    m_file->setToolTip(tr("Browse adds a file of the source"));
    m_subDir->setChecked(true);
    m_browse = new QPushButton(tr("&Browse"), box);
    m_clear = new QPushButton(tr("&Clear"), box);
    m_browse->setObjectName(QStringLiteral("skipBrowse"));
    m_clear->setObjectName(QStringLiteral("skipClear"));
    m_list = new QPlainTextEdit(box);
    m_list->setObjectName(QStringLiteral("skipEntries"));
    m_list->setReadOnly(true);
    m_list->setTabChangesFocus(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setContextMenuPolicy(Qt::PreventContextMenu);

    grid->addWidget(m_list, 0, 0, 6, 1);
    grid->addWidget(m_subDir, 0, 1);
    grid->addWidget(m_file, 1, 1);
    grid->addItem(new QSpacerItem(0, 8), 2, 1);
    grid->addWidget(m_browse, 3, 1);
    grid->addWidget(m_clear, 4, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    layout->addWidget(box, 1);
    // The choice, then what to do with it, then the list to look through.
    setTabOrder(m_subDir, m_file);
    setTabOrder(m_file, m_browse);
    setTabOrder(m_browse, m_clear);
    setTabOrder(m_clear, m_list);

    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("skipFocusSink"));
    m_sink->setFocusPolicy(Qt::ClickFocus);
    m_sink->setFixedSize(0, 0);

    // Marked by a click, its mnemonic or the arrow keys.
    connect(m_subDir, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit subDirChosen();
    });
    connect(m_file, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit fileChosen();
    });
    connect(m_browse, &QPushButton::clicked, this, &SkipPage::browseClicked);
    connect(m_clear, &QPushButton::clicked, this, &SkipPage::clearClicked);
    connect(&m_job, &RipJob::changed, this, [this](RipJob::Field field) {
        if (field == RipJob::Field::SkipEntries)
            showJob();
    });
    connect(&m_view, &ViewState::changed, this, &SkipPage::showView);
    showJob();
    showView();
}

void SkipPage::showJob()
{
    QString text = m_job.skipEntries();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    m_list->setPlainText(text);
}

void SkipPage::showView()
{
    m_body->setEnabled(m_view.skip.bodyEnabled);
    m_notice->setNotice(m_view.skip.notice);
}
