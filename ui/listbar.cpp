#include "ui/listbar.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolBox>
#include <QVBoxLayout>
#include <functional>

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

// The items' look with the keyboard focus on them: a frame around the item
// that takes Enter, in the colour that stands out from what is under it, so
// the focus shows in every style and theme.
class FocusFrameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight), 2,
                             Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option.rect).adjusted(3, 3, -3, -3), 3, 3);
        painter->restore();
    }
};

// A group's list: an arrow key that moves to another item says so, which the
// bar turns into the item's page, as a click would.
class GroupList : public QListWidget
{
public:
    using QListWidget::QListWidget;
    std::function<void(QListWidgetItem*)> movedByKey;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        QListWidgetItem* before = currentItem();
        QListWidget::keyPressEvent(event);
        if (currentItem() != before && currentItem() && movedByKey)
            movedByKey(currentItem());
    }
    void focusInEvent(QFocusEvent* event) override
    {
        // Something to show the focus on, and to move from, without choosing it.
        if (!currentIndex().isValid() && count() > 0)
            selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
        QListWidget::focusInEvent(event);
    }
};

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
    // The tool box wraps each list in a scroll area of its own, which would be
    // a Tab stop that shows nothing; the lists take the focus.
    for (QScrollArea* area : m_box->findChildren<QScrollArea*>())
        area->setFocusPolicy(Qt::NoFocus);
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
    auto* list = new GroupList(this);
    list->setObjectName(group == ListGroup::Main ? QStringLiteral("listBarMain") : QStringLiteral("listBarExtra"));
    list->setAccessibleName(tr("%1 pages").arg(Navigation::shown(Navigation::groupText(group))));
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
    list->setItemDelegate(new FocusFrameDelegate(list));
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit itemClicked(item->data(Qt::UserRole).toString());
    });
    list->movedByKey = [this, list](QListWidgetItem* item) {
        // Pages follow the arrows; Zavok! and Help start something, and wait
        // for Enter or Space. The focus stays in the bar, so the arrows can
        // go on, where a click on Zip would hand it to the name box.
        const QString key = item->data(Qt::UserRole).toString();
        if (!Navigation::itemIsCommand(key)) {
            emit itemClicked(key);
            list->setFocus(Qt::TabFocusReason);
        }
    };
    list->installEventFilter(this);
    return list;
}

QIcon ListBar::itemIcon(int number) const
{
    if (number != kRunIcon)
        return style()->standardIcon(iconFor(number));
    // The styles' own "play" picture is a black triangle, lost on a dark
    // theme; this one is drawn in the colour of the list's text. The list
    // highlights only the caption of the chosen item, so the picture keeps
    // that colour when chosen (the selected-text colour would vanish).
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Text));
    painter.drawPolygon(QPolygonF{QPointF(8, 4), QPointF(28, 16), QPointF(8, 28)});
    painter.end();
    return QIcon(picture);
}

void ListBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        if (QListWidgetItem* run = item(QStringLiteral("Zavok!")))
            run->setIcon(itemIcon(kRunIcon));
    }
    QWidget::changeEvent(event);
}

QListWidgetItem* ListBar::addItem(QListWidget* list, const QString& text, int icon, int row)
{
    auto* item = new QListWidgetItem(itemIcon(icon), Navigation::shown(text));
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
