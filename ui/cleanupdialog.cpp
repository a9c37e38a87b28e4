#include "ui/cleanupdialog.h"

#include "pipeline/cleanuplist.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

CleanUpDialog::CleanUpDialog(CleanUpList& list, QWidget* parent)
    : QDialog(parent)
    , m_list(list)
{
    setObjectName(QStringLiteral("cleanUpDialog"));
    setWindowTitle(tr("Clean up"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("What stopped runs left behind. A run that can go on is continued by the "
                                            "next run of its job (Zavok! asks first). Tick what is to go, then Delete."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("cleanUpTable"));
    m_table->setHeaderLabels({tr("Folder or file"), tr("Size"), tr("What it is")});
    m_table->setRootIsDecorated(false);
    m_table->setAllColumnsShowFocus(true);
    m_table->setWordWrap(true);
    m_table->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->header()->setStretchLastSection(true);
    m_table->setMinimumSize(760, 200);
    layout->addWidget(m_table, 1);

    m_empty = new QLabel(this);
    m_empty->setObjectName(QStringLiteral("cleanUpEmpty"));
    m_empty->setWordWrap(true);
    layout->addWidget(m_empty);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("cleanUpSummary"));
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_delete = new QPushButton(tr("&Delete"), this);
    m_delete->setObjectName(QStringLiteral("cleanUpDelete"));
    m_delete->setAutoDefault(false);
    buttons->addButton(m_delete, QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (m_showing || column != 0)
            return;
        m_list.setTicked(m_table->indexOfTopLevelItem(item), item->checkState(0) == Qt::Checked);
        showView();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_list.deleteTicked();
        showView();
    });
    showView();
}

void CleanUpDialog::showView()
{
    const CleanUpView& view = m_list.view();
    m_showing = true;
    if (m_table->topLevelItemCount() != view.rows.size()) {
        m_table->clear();
        for (int i = 0; i < view.rows.size(); ++i)
            m_table->addTopLevelItem(new QTreeWidgetItem(m_table));
    }
    for (int i = 0; i < view.rows.size(); ++i) {
        const CleanUpRow& row = view.rows[i];
        QTreeWidgetItem* item = m_table->topLevelItem(i);
        item->setText(0, row.name);
        item->setText(1, row.size);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(2, row.what);
        item->setToolTip(2, row.what);
        item->setCheckState(0, row.ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_showing = false;
    m_table->resizeColumnToContents(0);
    m_table->setVisible(!view.rows.isEmpty());
    m_empty->setText(view.empty);
    m_empty->setVisible(!view.empty.isEmpty());
    m_summary->setText(view.summary);
    m_delete->setEnabled(view.deleteEnabled);
}
