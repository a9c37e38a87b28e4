#include "ui/skippage.h"

#include "job/ripjob.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

SkipPage::SkipPage(RipJob& job, QWidget* parent)
    : QWidget(parent)
    , m_job(job)
{
    setObjectName(QStringLiteral("skipPage"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral("Sub-directories or files to skip   (optional)"), this);
    auto* grid = new QGridLayout(box);
    m_list = new QPlainTextEdit(box);
    m_list->setObjectName(QStringLiteral("skipEntries"));
    m_list->setReadOnly(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setContextMenuPolicy(Qt::PreventContextMenu);
    auto* subDir = new QPushButton(QStringLiteral("&Sub-dir"), box);
    auto* file = new QPushButton(QStringLiteral("&File"), box);
    auto* clear = new QPushButton(QStringLiteral("&Clear"), box);
    subDir->setObjectName(QStringLiteral("skipSubDir"));
    file->setObjectName(QStringLiteral("skipFile"));
    clear->setObjectName(QStringLiteral("skipClear"));
    grid->addWidget(m_list, 0, 0, 4, 1);
    grid->addWidget(subDir, 0, 1);
    grid->addWidget(file, 1, 1);
    grid->addWidget(clear, 2, 1);
    grid->setRowStretch(3, 1);
    layout->addWidget(box, 1);

    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("skipFocusSink"));
    m_sink->setFocusPolicy(Qt::StrongFocus);
    m_sink->setFixedSize(0, 0);

    connect(subDir, &QPushButton::clicked, this, &SkipPage::subDirClicked);
    connect(file, &QPushButton::clicked, this, &SkipPage::fileClicked);
    connect(clear, &QPushButton::clicked, this, &SkipPage::clearClicked);
    connect(&m_job, &RipJob::changed, this, [this](RipJob::Field field) {
        if (field == RipJob::Field::SkipEntries)
            showJob();
    });
    showJob();
}

void SkipPage::showJob()
{
    QString text = m_job.skipEntries();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    m_list->setPlainText(text);
}
