#include "ui/isobinoptiondialog.h"

#include "ui/spinningdisc.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

IsoBinOptionDialog::IsoBinOptionDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("isoBinOptionDialog"));
    setWindowTitle(RipIntoQuestion::titleText());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_disc = new SpinningDisc(this);
    m_disc->setObjectName(QStringLiteral("isoBinDisc"));
    row->addWidget(m_disc, 0, Qt::AlignTop);
    row->addSpacing(10);

    auto* options = new QVBoxLayout;
    auto* question = new QLabel(RipIntoQuestion::questionText(), this);
    question->setObjectName(QStringLiteral("isoBinQuestion"));
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    options->addWidget(question);
    m_archivesOnly = new QRadioButton(RipIntoQuestion::archivesOnlyText(), this);
    m_archivesOnly->setObjectName(QStringLiteral("isoBinArchivesOnly"));
    m_intoZips = new QRadioButton(RipIntoQuestion::intoZipsText(), this);
    m_intoZips->setObjectName(QStringLiteral("isoBinIntoZips"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_archivesOnly);
    group->addButton(m_intoZips);
    options->addWidget(m_archivesOnly);
    options->addWidget(m_intoZips);
    row->addLayout(options, 1);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(RipIntoQuestion::okText(), this);
    m_ok->setObjectName(QStringLiteral("isoBinOk"));
    m_ok->setDefault(true);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);

    m_sink = new QWidget(this);
    m_sink->setObjectName(QStringLiteral("isoBinFocusSink"));
    m_sink->setFocusPolicy(Qt::ClickFocus);
    m_sink->setFixedSize(0, 0);

    connect(group, &QButtonGroup::buttonClicked, this, [this] { m_sink->setFocus(Qt::OtherFocusReason); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

RipIntoQuestion::Choice IsoBinOptionDialog::choice() const
{
    if (m_intoZips->isChecked())
        return RipIntoQuestion::Choice::IntoZips;
    if (m_archivesOnly->isChecked())
        return RipIntoQuestion::Choice::ArchivesOnly;
    return RipIntoQuestion::Choice::Neither;
}

void IsoBinOptionDialog::reject()
{
    // The question has no Cancel: a closed window answers as "&OK" does.
    accept();
}

void IsoBinOptionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_sink->setFocus(Qt::OtherFocusReason);
}
