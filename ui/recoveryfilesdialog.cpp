#include "ui/recoveryfilesdialog.h"

#include "job/recoveryfilespage.h"
#include "job/recoveryoption.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

RecoveryFilesDialog::RecoveryFilesDialog(RecoveryFilesPage& page, QWidget* parent)
    : QDialog(parent)
    , m_page(page)
{
    setObjectName(QStringLiteral("recoveryFilesDialog"));
    setWindowTitle(page.view().title);
    auto* layout = new QVBoxLayout(this);

    auto* explanation = new QLabel(page.view().explanation, this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(380);
    layout->addWidget(explanation);

    m_none = new QRadioButton(tr("&None"), this);
    m_none->setObjectName(QStringLiteral("recoveryNone"));
    layout->addWidget(m_none);

    auto* row = new QHBoxLayout;
    m_some = new QRadioButton(tr("&Enough to rebuild any"), this);
    m_some->setObjectName(QStringLiteral("recoverySome"));
    m_zips = new QSpinBox(this);
    m_zips->setObjectName(QStringLiteral("recoveryZips"));
    m_zips->setRange(RecoveryFilesPage::kFewest, RecoveryOption::Most);
    auto* zipsLabel = new QLabel(tr("lost or damaged ZIPs of a set"), this);
    zipsLabel->setBuddy(m_zips);
    row->addWidget(m_some);
    row->addWidget(m_zips);
    row->addWidget(zipsLabel, 1);
    layout->addLayout(row);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("recoveryNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("recoveryOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("recoveryCancel"));
    layout->addWidget(buttons);

    connect(m_none, &QRadioButton::clicked, this, [this] {
        m_page.chooseNone();
        showView();
    });
    connect(m_some, &QRadioButton::clicked, this, [this] {
        m_page.chooseZips();
        showView();
    });
    connect(m_zips, &QSpinBox::valueChanged, this, [this](int zips) {
        m_page.setZips(zips);
        showView();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &RecoveryFilesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RecoveryFilesDialog::reject);
    showView();
}

void RecoveryFilesDialog::showView()
{
    const RecoveryFilesPage::View& v = m_page.view();
    m_none->setChecked(v.none);
    m_some->setChecked(!v.none);
    if (m_zips->value() != v.zips) {
        const QSignalBlocker block(m_zips);
        m_zips->setValue(v.zips);
    }
    m_zips->setEnabled(v.zipsEnabled);
    m_note->setText(v.sizeNote);
}

void RecoveryFilesDialog::accept()
{
    QString error;
    if (!m_page.accept(&error) && onSaveFailed)
        onSaveFailed(error);
    QDialog::accept();
}
