#pragma once

#include "appdoubles.h"
#include "app/application.h"
#include "doubles/temphome.h"
#include "ui/descriptioneditorwindow.h"
#include "ui/dizpage.h"
#include "ui/mainwindow.h"
#include "ui/pathpanel.h"

#include <QAction>
#include <QFile>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The real program with dialog and message doubles, on its Diz page.
struct DizWindowFixture : ::testing::Test {
    TempHome home;
    QuietSounds sounds;
    QString driveE = home.addDrive('e');
    std::unique_ptr<Application> program;

    void SetUp() override
    {
        Application::Options options = homeOptions(home, sounds);
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&program->window());
        QTest::keyClick(&program->window(), Qt::Key_D, Qt::ControlModifier);
        ASSERT_EQ(program->window().navigation().visiblePage(), PageId::Diz);
    }
    void TearDown() override
    {
        if (DescriptionEditorWindow* w = editor())
            w->closeByProgram();
        program.reset();
        QTest::qWait(1);
    }

    MainWindow& window() { return program->window(); }
    RipJob& job() { return program->job(); }
    template <typename T = QWidget>
    T* find(const char* name)
    {
        T* widget = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // A real click, on a control that must be enabled to take it.
    void click(QAbstractButton* button)
    {
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void click(const char* name) { click(find<QAbstractButton>(name)); }
    // A button's mnemonic: Alt and its underlined letter. The button shows
    // itself pressed for a moment before it clicks.
    static void alt(QWidget* target, Qt::Key key)
    {
        QTest::keyClick(target, key, Qt::AltModifier);
        QTest::qWait(150);
    }
    // Opens the editor's File menu with a click on the menu bar and clicks
    // the item.
    void choose(QAction* action)
    {
        DescriptionEditorWindow* w = editor();
        ASSERT_NE(w, nullptr);
        QMenu* menu = w->fileMenu();
        QMenuBar* bar = w->menuBar();
        ASSERT_TRUE(menu->menuAction()->isEnabled());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        ASSERT_TRUE(action->isEnabled() && action->isVisible()) << action->text().toStdString();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTest::qWait(1);
    }

    // The open description editor, or null.
    static DescriptionEditorWindow* editor()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* e = qobject_cast<DescriptionEditorWindow*>(w); e && e->isVisible())
                return e;
        }
        return nullptr;
    }
    static QString editorLine(int n) { return editor()->screenText().split('\n').value(n - 1); }

    QString homeFile(const QString& name) const { return home.home() + QLatin1Char('/') + name; }
    QByteArray bytesOf(const QString& hostPath) const
    {
        QFile file(hostPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    QString tempDizDos() const { return home.homeDos().toLower() + "\\temp\\file_id.diz"; }
};
