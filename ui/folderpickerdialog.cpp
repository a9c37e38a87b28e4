#include "ui/folderpickerdialog.h"

#include "platform/driveservice.h"
#include "source/folderpathentry.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFilledRole = Qt::UserRole + 1;

QString joinDos(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

} // namespace

FolderPickerDialog::FolderPickerDialog(const DriveService& drives, const FolderPickerRequest& request,
                                       FolderPicker::SelectionHandler onSelection, QWidget* parent)
    : QDialog(parent)
    , m_drives(drives)
    , m_onSelection(std::move(onSelection))
{
    setObjectName(QStringLiteral("folderPicker"));
    setWindowTitle(tr("Browse for Folder"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(request.title, this);
    title->setWordWrap(true);
    layout->addWidget(title);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("folderPickerTree"));
    m_tree->setAccessibleName(tr("Folders"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setMinimumSize(320, 300);
    layout->addWidget(m_tree, 1);

    auto* pathRow = new QHBoxLayout;
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("folderPickerPath"));
    m_path->setPlaceholderText(tr("d:\\games or /home/me/games"));
    m_path->setClearButtonEnabled(true);
    auto* pathLabel = new QLabel(tr("&Folder:"), this);
    pathLabel->setBuddy(m_path);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_path, 1);
    layout->addLayout(pathRow);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("folderPickerStatus"));
    m_status->setWordWrap(true);
    m_status->setMinimumHeight(m_status->fontMetrics().height() * 2);
    layout->addWidget(m_status);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_root = request.root;
    const QString root = request.root;
    if (root.isEmpty() || root.compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0) {
        for (QChar letter : m_drives.driveLetters()) {
            const QString drive = QString(letter) + QStringLiteral(":\\");
            addFolderItem(nullptr, QString(letter) + QLatin1Char(':'), drive);
        }
    } else {
        QTreeWidgetItem* top = addFolderItem(nullptr, root, root);
        fillChildren(top);
        top->setExpanded(true);
    }
    connect(m_tree, &QTreeWidget::itemExpanded, this, &FolderPickerDialog::fillChildren);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &FolderPickerDialog::selectionChanged);
    // Enter takes the typed path first; the dialog then presses OK if the
    // handler left it enabled.
    connect(m_path, &QLineEdit::returnPressed, this, &FolderPickerDialog::pathTyped);
    connect(m_path, &QLineEdit::editingFinished, this, &FolderPickerDialog::pathTyped);
    // The status line and OK follow the text while it is typed; the tree
    // follows once it is taken.
    connect(m_path, &QLineEdit::textEdited, this, [this](const QString& text) {
        runHandler(FolderPathEntry::resolve(m_drives, m_root, text).value_or(QString()));
    });
    setTabOrder(m_tree, m_path);
    setTabOrder(m_path, m_ok);
    setTabOrder(m_ok, buttons->button(QDialogButtonBox::Cancel));
    m_tree->setFocus(Qt::OtherFocusReason);

    m_ok->setEnabled(false);
    if (!request.initialSelection.isEmpty())
        selectPath(request.initialSelection);
}

QTreeWidgetItem* FolderPickerDialog::addFolderItem(QTreeWidgetItem* parent, const QString& text, const QString& dosPath)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, text);
    item->setData(0, kPathRole, dosPath);
    item->setData(0, kFilledRole, false);
    const bool isDrive = dosPath.size() == 3 && dosPath.endsWith(QLatin1String(":\\"));
    item->setIcon(0, style()->standardIcon(isDrive ? QStyle::SP_DriveHDIcon : QStyle::SP_DirIcon));
    // Children are read when the folder is opened; until then it may have some.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void FolderPickerDialog::fillChildren(QTreeWidgetItem* item)
{
    if (item->data(0, kFilledRole).toBool())
        return;
    item->setData(0, kFilledRole, true);
    const QString dos = item->data(0, kPathRole).toString();
    const auto host = m_drives.toHost(dos);
    QStringList names;
    if (host)
        names = QDir(*host).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        addFolderItem(item, name, joinDos(dos, name));
    if (names.isEmpty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool FolderPickerDialog::selectPath(const QString& dosPath)
{
    QString wanted = dosPath;
    while (wanted.size() > 3 && wanted.endsWith(QLatin1Char('\\')))
        wanted.chop(1);
    QTreeWidgetItem* best = nullptr;
    // Walk down from the top items, opening every folder on the way.
    QList<QTreeWidgetItem*> level;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        level << m_tree->topLevelItem(i);
    while (!level.isEmpty()) {
        QTreeWidgetItem* next = nullptr;
        for (QTreeWidgetItem* item : level) {
            QString path = item->data(0, kPathRole).toString();
            const QString prefix = path.endsWith(QLatin1Char('\\')) ? path : path + QLatin1Char('\\');
            if (path.compare(wanted, Qt::CaseInsensitive) == 0
                || (path.size() == 3 && wanted.compare(path.left(2), Qt::CaseInsensitive) == 0)) {
                best = item;
                next = nullptr;
                level.clear();
                break;
            }
            if (wanted.startsWith(prefix, Qt::CaseInsensitive)) {
                next = item;
                break;
            }
        }
        if (!next)
            break;
        best = next;
        next->setExpanded(true);
        fillChildren(next);
        level.clear();
        for (int i = 0; i < next->childCount(); ++i)
            level << next->child(i);
    }
    if (!best)
        return false;
    m_tree->setCurrentItem(best);
    m_tree->scrollToItem(best);
    return best->data(0, kPathRole).toString().compare(wanted, Qt::CaseInsensitive) == 0;
}

void FolderPickerDialog::selectionChanged()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    const QString path = item ? item->data(0, kPathRole).toString() : QString();
    m_path->setText(path);
    runHandler(path);
}

void FolderPickerDialog::pathTyped()
{
    const auto folder = FolderPathEntry::resolve(m_drives, m_root, m_path->text());
    if (!folder) {
        // The handler says what is wrong with nothing selected.
        runHandler(QString());
        return;
    }
    const QTreeWidgetItem* current = m_tree->currentItem();
    if (current && current->data(0, kPathRole).toString().compare(*folder, Qt::CaseInsensitive) == 0) {
        if (m_selected != current->data(0, kPathRole).toString())
            runHandler(current->data(0, kPathRole).toString());
        return;
    }
    // Selecting it in the tree runs the handler, unless the tree had it
    // selected already; a folder the tree does not show (a hidden one) is
    // checked as it stands.
    if (selectPath(*folder)) {
        const QString itemPath = m_tree->currentItem()->data(0, kPathRole).toString();
        if (m_selected != itemPath) {
            m_path->setText(itemPath);
            runHandler(itemPath);
        }
        return;
    }
    m_path->setText(*folder);
    runHandler(*folder);
}

void FolderPickerDialog::runHandler(QString path)
{
    FolderPickerFeedback feedback;
    feedback.okEnabled = !path.isEmpty();
    if (m_onSelection)
        m_onSelection(path, feedback);
    m_selected = path;
    m_ok->setEnabled(feedback.okEnabled && !path.isEmpty());
    m_status->setText(feedback.status);
}
