#pragma once

#include "appdoubles.h"
#include "app/application.h"
#include "doubles/temphome.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

// The whole program, wired as it runs, with doubles answering its dialogs and
// standing in for the text editor, on a fresh application directory with a
// drive e:. Tests use the Nfo and Zip pages and the Options menu as a user
// does: real clicks, keys and menus.
class ContentsPages : public ::testing::Test
{
protected:

    void SetUp() override
    {
        driveE = home.addDrive(QLatin1Char('e'));
        start();
    }

    void start()
    {
        Application::Options options = homeOptions(home, sounds);
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

    MainWindow& window() { return program->window(); }
    RipJob& job() { return program->job(); }
    ViewState& view() { return program->view(); }

    template <typename T>
    T* find(const char* name)
    {
        T* widget = window().findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // A click as a user makes it: only on what can be seen and used.
    void click(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
        ASSERT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
        // A check box or an option answers to its box and its text, not to
        // the whole width its layout gives it.
        QPoint at = widget->rect().center();
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(box);
            at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            QStyleOptionButton style;
            style.initFrom(option);
            at = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option).center();
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    void shortcut(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    // Alt and a letter, as a user presses it; a button's mnemonic clicks it
    // with the short press a user would see.
    void mnemonic(int key)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
        QTest::keyClick(target, Qt::Key(key), Qt::AltModifier);
        QTest::qWait(150);
    }
    // Opens a menu of the menu bar with its Alt key and clicks an item in it.
    void chooseMenuItem(int menuKey, const QString& itemText)
    {
        QApplication::setActiveWindow(&window());
        QTest::keyClick(&window(), Qt::Key(menuKey), Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* item = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == itemText)
                item = action;
        }
        ASSERT_NE(item, nullptr) << itemText.toStdString();
        ASSERT_TRUE(item->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTest::qWait(10);
    }
    // The controls of a page that Tab visits, in order, starting from the page.
    QList<QWidget*> tabChain(QWidget* page)
    {
        QList<QWidget*> visited;
        page->setFocus();
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (!now || visited.contains(now))
                break;
            visited << now;
        }
        QList<QWidget*> onPage;
        for (QWidget* widget : visited) {
            if (page->isAncestorOf(widget))
                onPage << widget;
        }
        return onPage;
    }
    static QStringList names(const QList<QWidget*>& widgets)
    {
        QStringList result;
        for (QWidget* widget : widgets)
            result << widget->objectName();
        return result;
    }

    TempHome home;
    QuietSounds sounds;
    QString driveE;
    std::unique_ptr<Application> program;
};
