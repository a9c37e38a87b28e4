#include "ui/listbar.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QToolBox>
#include <QVBoxLayout>

namespace {

QStyle::StandardPixmap iconFor(int number)
{
    switch (number) {
    case 1: return QStyle::SP_DriveCDIcon;
    case 2: return QStyle::SP_DialogDiscardButton;
    case 3: return QStyle::SP_FileIcon;
    case 4: return QStyle::SP_FileDialogInfoView;
    case 5: return QStyle::SP_DirIcon;
    case 6: return QStyle::SP_MediaPlay;
    case 7: return QStyle::SP_DialogHelpButton;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

ListBar::ListBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("listBar"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_box = new QToolBox(this);
    m_main = makeList(ListGroup::Main, 1);
    m_extra = makeList(ListGroup::Extra, 7);
    m_box->addItem(m_main, Navigation::shown(Navigation::groupText(ListGroup::Main)));
    m_box->addItem(m_extra, Navigation::shown(Navigation::groupText(ListGroup::Extra)));
    layout->addWidget(m_box);
    setFixedWidth(96);

    connect(m_box, &QToolBox::currentChanged, this, [this](int index) {
        const ListGroup before = m_shown;
        m_shown = index == 0 ? ListGroup::Main : ListGroup::Extra;
        if (!m_quietGroupChange)
            emit groupClicked(m_shown, before);
    });
}

QListWidget* ListBar::makeList(ListGroup group, int firstIcon)
{
    auto* list = new QListWidget(this);
    list->setObjectName(group == ListGroup::Main ? QStringLiteral("listBarMain") : QStringLiteral("listBarExtra"));
    list->setViewMode(QListView::IconMode);
    list->setFlow(QListView::TopToBottom);
    list->setMovement(QListView::Static);
    list->setWrapping(false);
    list->setIconSize(QSize(32, 32));
    list->setGridSize(QSize(84, 58));
    list->setSpacing(0);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setContextMenuPolicy(Qt::PreventContextMenu);
    list->setFrameShape(QFrame::NoFrame);
    int icon = firstIcon;
    for (const QString& text : Navigation::itemTexts(group))
        addItem(list, text, icon++, list->count());
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit itemClicked(item->data(Qt::UserRole).toString());
    });
    list->installEventFilter(this);
    return list;
}

QListWidgetItem* ListBar::addItem(QListWidget* list, const QString& text, int icon, int row)
{
    auto* item = new QListWidgetItem(style()->standardIcon(iconFor(icon)), Navigation::shown(text));
    item->setData(Qt::UserRole, text); // the key
    item->setTextAlignment(Qt::AlignHCenter);
    list->insertItem(row, item);
    return item;
}

bool ListBar::eventFilter(QObject* watched, QEvent* event)
{
    // With the keyboard, the arrows move to an item and Enter or Space
    // clicks it.
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && list->currentItem()) {
            emit itemClicked(list->currentItem()->data(Qt::UserRole).toString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListBar::setSkipItemShown(bool shown)
{
    const QString key = QStringLiteral("Skip");
    QListWidgetItem* present = item(key);
    if (!shown && present)
        delete m_main->takeItem(m_main->row(present));
    else if (shown && !present)
        addItem(m_main, key, 2, 1);
}

void ListBar::showCurrent(const QString& key)
{
    QListWidgetItem* current = item(key);
    for (QListWidget* list : {m_main, m_extra}) {
        const QSignalBlocker block(list);
        list->clearSelection();
        list->setCurrentItem(current && current->listWidget() == list ? current : nullptr);
    }
    if (!current)
        return;
    const ListGroup group = current->listWidget() == m_main ? ListGroup::Main : ListGroup::Extra;
    if (group != m_shown) {
        m_quietGroupChange = true;
        setCurrentGroup(group);
        m_quietGroupChange = false;
    }
}

ListGroup ListBar::currentGroup() const
{
    return m_shown;
}

void ListBar::setCurrentGroup(ListGroup group)
{
    m_box->setCurrentIndex(group == ListGroup::Main ? 0 : 1);
}

QListWidget* ListBar::list(ListGroup group) const
{
    return group == ListGroup::Main ? m_main : m_extra;
}

QListWidgetItem* ListBar::item(const QString& text) const
{
    for (QListWidget* list : {m_main, m_extra}) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == text)
                return list->item(row);
        }
    }
    return nullptr;
}

QWidget* ListBar::groupButton(ListGroup group) const
{
    // QToolBox keeps one button per page, in page order.
    const auto buttons = m_box->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    const int index = group == ListGroup::Main ? 0 : 1;
    return index < buttons.size() ? buttons.at(index) : nullptr;
}
