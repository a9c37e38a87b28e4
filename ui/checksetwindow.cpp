#include "ui/checksetwindow.h"

#include "setcheck/setcheckpage.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QColor toneColour(SetCheckRow::Tone tone)
{
    switch (tone) {
    case SetCheckRow::Tone::Good:
        return QColor(0x1b, 0x6e, 0x20);
    case SetCheckRow::Tone::Bad:
        return QColor(0xb0, 0x12, 0x12);
    case SetCheckRow::Tone::Foreign:
        return QColor(0x8a, 0x5a, 0x00);
    }
    return {};
}

} // namespace

CheckSetWindow::CheckSetWindow(SetCheckPage& page, QWidget* parent)
    : QDialog(parent)
    , m_page(page)
{
    setObjectName(QStringLiteral("checkSetWindow"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* setLabel = new QLabel(tr("Set:"), this);
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("checkSetPath"));
    m_path->setFrameShape(QFrame::Panel);
    m_path->setFrameShadow(QFrame::Sunken);
    m_path->setTextFormat(Qt::PlainText);
    m_path->setMinimumWidth(320);
    m_path->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_file = button(tr("&File..."), "checkSetFile", this);
    m_folder = button(tr("F&older..."), "checkSetFolder", this);
    top->addWidget(setLabel);
    top->addWidget(m_path, 1);
    top->addWidget(m_file);
    top->addWidget(m_folder);
    layout->addLayout(top);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("checkSetList"));
    m_list->setHeaderLabels({tr("ZIP"), tr("State"), tr("What is wrong")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumSize(560, 220);
    layout->addWidget(m_list, 1);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("checkSetSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);

    auto* busy = new QHBoxLayout;
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("checkSetStatus"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("checkSetProgress"));
    m_progress->setRange(0, 100);
    busy->addWidget(m_status, 1);
    busy->addWidget(m_progress, 1);
    layout->addLayout(busy);

    auto* buttons = new QHBoxLayout;
    m_again = button(tr("Check &again"), "checkSetAgain", this);
    m_stop = button(tr("&Stop"), "checkSetStop", this);
    m_repair = button(tr("&Repair"), "checkSetRepair", this);
    m_close = button(tr("&Close"), "checkSetClose", this);
    buttons->addWidget(m_again);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_repair);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_file, &QPushButton::clicked, this, [this] { m_page.chooseFile(); });
    connect(m_folder, &QPushButton::clicked, this, [this] { m_page.chooseFolder(); });
    connect(m_again, &QPushButton::clicked, this, [this] { m_page.checkAgain(); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_page.stop(); });
    connect(m_repair, &QPushButton::clicked, this, [this] { m_page.repairSet(); });
    connect(m_close, &QPushButton::clicked, this, &CheckSetWindow::reject);
    resize(720, 420);
    showView();
}

void CheckSetWindow::reject()
{
    // A check under way is stopped first; the window goes once it has.
    if (m_page.view().busy) {
        m_page.stop();
        return;
    }
    QDialog::reject();
}

void CheckSetWindow::showView()
{
    const SetCheckView& v = m_page.view();
    setWindowTitle(v.title);
    m_path->setText(v.pathText.isEmpty() ? v.hint : v.pathText);
    m_path->setToolTip(v.pathText);

    m_list->clear();
    for (const SetCheckRow& row : v.rows) {
        auto* item = new QTreeWidgetItem(m_list, {row.name, row.state, row.detail});
        item->setForeground(1, toneColour(row.tone));
        item->setToolTip(2, row.detail);
    }

    m_summary->setText(v.summary);
    QPalette palette = m_summary->palette();
    palette.setColor(QPalette::WindowText, v.summary.isEmpty() || v.summaryGood ? toneColour(SetCheckRow::Tone::Good)
                                                                                : toneColour(SetCheckRow::Tone::Bad));
    m_summary->setPalette(palette);
    m_summary->setVisible(!v.summary.isEmpty());

    m_status->setText(v.status);
    m_status->setVisible(v.busy);
    m_progress->setValue(v.progress);
    m_progress->setVisible(v.busy);

    m_file->setEnabled(v.chooseEnabled);
    m_folder->setEnabled(v.chooseEnabled);
    m_again->setEnabled(v.checkAgainEnabled);
    m_stop->setEnabled(v.stopEnabled);
    m_stop->setVisible(v.busy);
    m_repair->setVisible(v.repairShown);
    m_repair->setEnabled(v.repairEnabled);
}
