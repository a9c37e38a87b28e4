#include "ui/drivesdialog.h"

#include "source/drivesetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

DrivesDialog::DrivesDialog(DriveSetup& setup, QWidget* parent)
    : QDialog(parent)
    , m_setup(setup)
{
    setObjectName(QStringLiteral("drivesDialog"));
    setWindowTitle(tr("Drives"));
    auto* layout = new QVBoxLayout(this);

    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("driveTable"));
    m_table->setAccessibleName(tr("Drives"));
    m_table->setHeaderLabels({tr("Drive"), tr("Label"), tr("Folder"),
                              tr("Free space")});
    m_table->setRootIsDecorated(false);
    m_table->setAllColumnsShowFocus(true);
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setMinimumSize(520, 180);
    layout->addWidget(m_table, 1);

    auto* grid = new QGridLayout;
    m_letter = new QComboBox(this);
    m_letter->setObjectName(QStringLiteral("driveLetter"));
    auto* letterLabel = new QLabel(tr("&Letter:"), this);
    letterLabel->setBuddy(m_letter);
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("driveFolder"));
    auto* folderLabel = new QLabel(tr("&Points at:"), this);
    folderLabel->setBuddy(m_folder);
    m_browse = button(tr("Fo&lder..."), "driveFolderBrowse", this);
    m_volumes = new QComboBox(this);
    m_volumes->setObjectName(QStringLiteral("driveVolume"));
    auto* volumeLabel = new QLabel(tr("Mounted &volume:"), this);
    volumeLabel->setBuddy(m_volumes);
    grid->addWidget(letterLabel, 0, 0);
    grid->addWidget(m_letter, 0, 1, Qt::AlignLeft);
    grid->addWidget(folderLabel, 1, 0);
    grid->addWidget(m_folder, 1, 1);
    grid->addWidget(m_browse, 1, 2);
    grid->addWidget(volumeLabel, 2, 0);
    grid->addWidget(m_volumes, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("driveStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto* buttons = new QDialogButtonBox(this);
    m_add = button(tr("&Add"), "driveAdd", this);
    m_change = button(tr("&Change"), "driveChange", this);
    m_remove = button(tr("&Remove"), "driveRemove", this);
    buttons->addButton(m_add, QDialogButtonBox::ActionRole);
    buttons->addButton(m_change, QDialogButtonBox::ActionRole);
    buttons->addButton(m_remove, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("drivesClose"));
    layout->addWidget(buttons);

    pickFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, tr("Folder for the drive"), start,
                                                 QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    };

    connect(m_table, &QTreeWidget::currentItemChanged, this, [this] {
        m_setup.selectRow(m_table->indexOfTopLevelItem(m_table->currentItem()));
        showView();
    });
    connect(m_letter, &QComboBox::activated, this, [this](int index) {
        m_setup.chooseLetter(QLatin1Char(char('a' + index)));
        showView();
    });
    connect(m_folder, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_setup.setTarget(text);
        showView();
    });
    connect(m_browse, &QPushButton::clicked, this, &DrivesDialog::pickTargetFolder);
    connect(m_volumes, &QComboBox::activated, this, [this](int index) {
        // The first item only invites a choice.
        m_setup.chooseVolume(index - 1);
        showView();
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_setup.add();
        showView();
    });
    connect(m_change, &QPushButton::clicked, this, [this] {
        m_setup.change();
        showView();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_setup.remove();
        showView();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showView();
}

void DrivesDialog::pickTargetFolder()
{
    const QString chosen = pickFolder ? pickFolder(m_setup.view().target) : QString();
    if (chosen.isEmpty())
        return;
    m_setup.setTarget(chosen);
    showView();
}

void DrivesDialog::showView()
{
    const DriveSetupView& v = m_setup.view();
    const QSignalBlocker blockTable(m_table);
    const QSignalBlocker blockLetter(m_letter);
    const QSignalBlocker blockVolumes(m_volumes);

    m_table->clear();
    for (const DriveRow& row : v.rows) {
        auto* item = new QTreeWidgetItem(m_table, {row.drive, row.label, row.target, row.freeSpace});
        if (!row.hasMedium) {
            for (int column = 0; column < 4; ++column)
                item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
        }
    }
    if (v.selectedRow >= 0 && v.selectedRow < m_table->topLevelItemCount())
        m_table->setCurrentItem(m_table->topLevelItem(v.selectedRow));
    else
        m_table->setCurrentItem(nullptr);

    if (m_letter->count() != v.letterChoices.size()) {
        m_letter->clear();
        m_letter->addItems(v.letterChoices);
    }
    m_letter->setCurrentIndex(v.currentLetter);
    if (m_folder->text() != v.target)
        m_folder->setText(v.target);

    QStringList volumes{tr("(choose one to point the letter at it)")};
    volumes << v.volumeChoices;
    QStringList shown;
    for (int i = 0; i < m_volumes->count(); ++i)
        shown << m_volumes->itemText(i);
    if (shown != volumes) {
        m_volumes->clear();
        m_volumes->addItems(volumes);
    }
    m_volumes->setCurrentIndex(0);
    m_volumes->setEnabled(!v.volumeChoices.isEmpty());

    m_add->setEnabled(v.addEnabled);
    m_change->setEnabled(v.changeEnabled);
    m_remove->setEnabled(v.removeEnabled);
    m_status->setText(v.status);
}
