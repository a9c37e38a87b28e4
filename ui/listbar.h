#pragma once

#include "ui/navigation.h"

#include <QIcon>
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QToolBox;

// The navigation bar: two groups ("Main", "Extra") of items with icons, each
// item's key being its text.
class ListBar : public QWidget
{
    Q_OBJECT
public:
    explicit ListBar(QWidget* parent = nullptr);

    ListGroup currentGroup() const;
    void setCurrentGroup(ListGroup group);
    QListWidget* list(ListGroup group) const;
    // The item with a given text, for tests and for clicks made by code.
    QListWidgetItem* item(const QString& text) const;
    // The button that opens a group.
    QWidget* groupButton(ListGroup group) const;

    // The "Skip" item leaves the first group while a CD image is the
    // source, and comes back as its second item with its own picture.
    void setSkipItemShown(bool shown);
    // Highlights the item of the page shown, however it was reached, and
    // opens its group without the group's sound; none when the page has no
    // item in the bar.
    void showCurrent(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

signals:
    void itemClicked(const QString& text);
    void groupClicked(ListGroup clicked, ListGroup shownBefore);

private:
    QListWidget* makeList(ListGroup group, int firstIcon);
    QListWidgetItem* addItem(QListWidget* list, const QString& text, int icon, int row);
    QIcon itemIcon(int number) const;

    static constexpr int kRunIcon = 6; // "Zavok!"

    QToolBox* m_box = nullptr;
    QListWidget* m_main = nullptr;
    QListWidget* m_extra = nullptr;
    ListGroup m_shown = ListGroup::Main;
    bool m_quietGroupChange = false;
};
